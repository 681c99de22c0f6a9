#include "platform/db/field.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "platform/core/datetime.h"
#include "platform/core/money.h"
#include "platform/core/text.h"

namespace pelk::db {

namespace {

std::string quoted(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

Error conversionError(const FieldInfo& f) {
    return Error{"", "Data type conversion error (field '" + f.name + "').", code::kConversion};
}

// A number as a clerk or a screen writes it: blanks around it, a leading "$", thousands
// commas. The whole text must be the number.
std::optional<double> parseNumber(std::string_view text) {
    std::string s;
    std::string t = core::text::trim(text);
    for (std::size_t i = 0; i < t.size(); ++i) {
        char c = t[i];
        if (c == ',' || (c == '$' && s.find_first_of("0123456789") == std::string::npos)) continue;
        s += c;
    }
    if (s.empty()) return std::nullopt;
    char* end = nullptr;
    double d = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || !std::isfinite(d)) return std::nullopt;
    return d;
}

std::optional<bool> parseYesNo(std::string_view text) {
    std::string t = core::text::trim(text);
    for (const char* yes : {"true", "yes", "on"})
        if (core::text::equalsNoCase(t, yes)) return true;
    for (const char* no : {"false", "no", "off"})
        if (core::text::equalsNoCase(t, no)) return false;
    if (auto d = parseNumber(t)) return *d != 0;
    return std::nullopt;
}

core::DateTime fromSerial(double serial) {
    double days = std::floor(serial);
    int seconds = static_cast<int>(std::llround((serial - days) * 86400.0));
    if (seconds >= 86400) {
        days += 1;
        seconds -= 86400;
    }
    return core::DateTime{core::addDays(core::Date{}, static_cast<std::int64_t>(days)), core::timeFromSeconds(seconds)};
}

}  // namespace

const char* kindName(Kind k) {
    switch (k) {
        case Kind::Text:
            return "Text";
        case Kind::Memo:
            return "Memo";
        case Kind::Long:
            return "Long";
        case Kind::Double:
            return "Double";
        case Kind::Currency:
            return "Currency";
        case Kind::YesNo:
            return "Yes/No";
        case Kind::DateTime:
            return "Date/Time";
        case Kind::Counter:
            return "AutoNumber";
        case Kind::Unknown:
            break;
    }
    return "Unknown";
}

std::string columnDefinition(const FieldInfo& f) {
    std::string q = quoted(f.name);
    std::string def = q + " ";
    switch (f.kind) {
        case Kind::Counter:
            return q + " INTEGER PRIMARY KEY AUTOINCREMENT";
        case Kind::Text:
            def += "TEXT(" + std::to_string(f.size > 0 ? f.size : kDefaultTextSize) + ") COLLATE NOCASE";
            break;
        case Kind::Memo:
            def += "LONGTEXT COLLATE NOCASE";
            break;
        case Kind::Long:
            def += "LONG";
            break;
        case Kind::Double:
            def += "DOUBLE";
            break;
        case Kind::Currency:
            def += "CURRENCY";
            break;
        case Kind::YesNo:
            // The legacy engine had no Null yes/no: a new row holds No until written.
            def += "YESNO DEFAULT 0";
            break;
        case Kind::DateTime:
            def += "DATETIME";
            break;
        case Kind::Unknown:
            def += "LONGTEXT COLLATE NOCASE";
            break;
    }
    if (f.required) def += " NOT NULL";
    // Named so that a refused write can say which rule and which field refused it.
    if (f.required && (f.kind == Kind::Text || f.kind == Kind::Memo))
        def += " CONSTRAINT " + quoted("required:" + f.name) + " CHECK (" + q + " <> '')";
    if (f.kind == Kind::Text)
        def += " CONSTRAINT " + quoted("size:" + f.name) + " CHECK (length(" + q +
               ") <= " + std::to_string(f.size > 0 ? f.size : kDefaultTextSize) + ")";
    return def;
}

std::string tableDefinition(const std::vector<FieldInfo>& fields) {
    std::string sql = "(";
    bool counter = false;
    for (const FieldInfo& f : fields) counter = counter || f.kind == Kind::Counter;
    if (!counter) sql += quoted(kRowIdentity) + " INTEGER PRIMARY KEY AUTOINCREMENT";
    for (const FieldInfo& f : fields) sql += (sql.size() > 1 ? ", " : "") + columnDefinition(f);
    return sql + ")";
}

std::optional<Kind> kindFromJetType(std::string_view typeName) {
    std::string t = core::text::upper(core::text::trim(typeName));
    auto any = [&](std::initializer_list<const char*> names) {
        for (const char* n : names)
            if (t == n) return true;
        return false;
    };
    if (any({"TEXT", "CHAR", "VARCHAR", "CHARACTER", "STRING", "ALPHANUMERIC", "NCHAR", "NVARCHAR"})) return Kind::Text;
    if (any({"MEMO", "LONGTEXT", "LONGCHAR", "NOTE", "NTEXT"})) return Kind::Memo;
    if (any({"LONG", "INT", "INTEGER", "INTEGER4", "SHORT", "SMALLINT", "INTEGER2", "BYTE", "TINYINT", "INTEGER1"}))
        return Kind::Long;
    if (any({"DOUBLE", "FLOAT", "FLOAT8", "REAL", "SINGLE", "FLOAT4", "IEEEDOUBLE", "IEEESINGLE", "NUMBER", "NUMERIC",
             "DECIMAL"}))
        return Kind::Double;
    if (any({"CURRENCY", "MONEY"})) return Kind::Currency;
    if (any({"YESNO", "BIT", "LOGICAL", "LOGICAL1", "BOOLEAN"})) return Kind::YesNo;
    if (any({"DATETIME", "DATE", "TIME", "TIMESTAMP"})) return Kind::DateTime;
    if (any({"COUNTER", "AUTOINCREMENT", "AUTONUMBER"})) return Kind::Counter;
    return std::nullopt;
}

FieldInfo fieldFromDeclared(std::string name, std::string_view declaredType, bool notNull, bool integerKey) {
    FieldInfo f;
    f.name = std::move(name);
    f.required = notNull;
    std::string_view base = declaredType;
    int size = 0;
    if (auto p = declaredType.find('('); p != std::string_view::npos) {
        base = declaredType.substr(0, p);
        size = std::atoi(std::string(declaredType.substr(p + 1)).c_str());
    }
    if (integerKey) {
        f.kind = Kind::Counter;
        f.required = false;
        return f;
    }
    f.kind = kindFromJetType(base).value_or(Kind::Unknown);
    if (f.kind == Kind::Counter) f.kind = Kind::Long;  // a counter is only ever the table's key
    if (f.kind == Kind::Text) f.size = size > 0 ? size : kDefaultTextSize;
    return f;
}

namespace storage {

std::string isoText(const core::DateTime& dt) {
    if (dt.date == core::Date{}) return core::isoTime(dt.time);
    if (dt.time == core::Time{}) return core::isoDate(dt.date);
    return core::isoDateTime(dt);
}

std::string shownDateTime(std::string_view iso) {
    if (auto dt = core::parseDateTime(iso)) return core::generalDate(*dt);
    return std::string(iso);
}

Result<core::Value> toStored(const FieldInfo& f, const core::Value& v) {
    using core::Value;
    if (v.isNull()) return Value{};
    const auto& s = v.storage();
    const std::string* text = std::get_if<std::string>(&s);
    switch (f.kind) {
        case Kind::Text:
        case Kind::Memo:
            return Value{v.toText()};
        case Kind::Long:
        case Kind::Counter: {
            if (v.isDate()) return conversionError(f);
            if (text) {
                auto d = parseNumber(*text);
                if (!d) return conversionError(f);
                return Value{static_cast<std::int64_t>(std::nearbyint(*d))};
            }
            return Value{v.toLong()};
        }
        case Kind::Double: {
            if (v.isDate()) return conversionError(f);
            if (text) {
                auto d = parseNumber(*text);
                if (!d) return conversionError(f);
                return Value{*d};
            }
            return Value{v.toDouble()};
        }
        case Kind::Currency: {
            if (v.isDate()) return conversionError(f);
            if (text) {
                if (auto m = core::Money::parse(*text)) return Value{m->toDouble()};
                auto d = parseNumber(*text);
                if (!d) return conversionError(f);
                return Value{core::Money::fromDouble(*d).toDouble()};
            }
            return Value{v.toMoney().toDouble()};
        }
        case Kind::YesNo: {
            if (text) {
                auto b = parseYesNo(*text);
                if (!b) return conversionError(f);
                return Value{static_cast<std::int64_t>(*b ? -1 : 0)};
            }
            if (v.isDate()) return conversionError(f);
            return Value{static_cast<std::int64_t>(v.toBool() ? -1 : 0)};
        }
        case Kind::DateTime: {
            if (auto dt = std::get_if<core::DateTime>(&s)) return Value{isoText(*dt)};
            if (text) {
                auto dt = core::parseDateTime(*text);
                if (!dt) return conversionError(f);
                return Value{isoText(*dt)};
            }
            if (std::holds_alternative<bool>(s)) return conversionError(f);
            return Value{isoText(fromSerial(v.toDouble()))};
        }
        case Kind::Unknown:
            break;
    }
    if (auto dt = std::get_if<core::DateTime>(&s)) return Value{isoText(*dt)};
    if (auto m = std::get_if<core::Money>(&s)) return Value{m->toDouble()};
    if (auto b = std::get_if<bool>(&s)) return Value{static_cast<std::int64_t>(*b ? -1 : 0)};
    return v;
}

core::Value toShown(Kind k, const core::Value& stored) {
    using core::Value;
    const auto& s = stored.storage();
    if (stored.isNull()) return stored;
    const auto* i = std::get_if<std::int64_t>(&s);
    const auto* d = std::get_if<double>(&s);
    const auto* t = std::get_if<std::string>(&s);
    switch (k) {
        case Kind::Text:
        case Kind::Memo:
            return t ? stored : Value{stored.toText()};
        case Kind::Long:
        case Kind::Counter:
            if (d) return Value{static_cast<std::int64_t>(std::nearbyint(*d))};
            return stored;
        case Kind::Double:
            if (i) return Value{static_cast<double>(*i)};
            return stored;
        case Kind::Currency:
            if (i) return Value{core::Money::fromInt(*i)};
            if (d) return Value{core::Money::fromDouble(*d)};
            return stored;
        case Kind::YesNo:
            if (i) return Value{*i != 0};
            if (d) return Value{*d != 0};
            return stored;
        case Kind::DateTime:
            if (t) return Value{shownDateTime(*t)};
            return stored;
        case Kind::Unknown:
            break;
    }
    return stored;
}

}  // namespace storage
}  // namespace pelk::db
