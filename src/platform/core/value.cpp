#include "platform/core/value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/core/format.h"

namespace pelk::core {

std::string numberText(double d) {
    if (d == 0) return "0";
    char b[64];
    std::snprintf(b, sizeof b, "%.15g", d);
    std::string s = b;
    if (s.find('e') != std::string::npos) {
        std::snprintf(b, sizeof b, "%.15G", d);
        s = b;
        std::size_t e = s.find('E');
        std::string mant = s.substr(0, e), ex = s.substr(e + 1);
        int exp = std::atoi(ex.c_str());
        char eb[16];
        std::snprintf(eb, sizeof eb, "E%c%02d", exp < 0 ? '-' : '+', std::abs(exp));
        return mant + eb;
    }
    return s;
}

bool Value::isNumber() const {
    return std::holds_alternative<std::int64_t>(v_) || std::holds_alternative<double>(v_) ||
           std::holds_alternative<Money>(v_) || std::holds_alternative<bool>(v_);
}

std::string Value::otherToText() const {
    struct V {
        std::string operator()(Null) const { return ""; }
        std::string operator()(const std::string& s) const { return s; }
        std::string operator()(std::int64_t n) const { return std::to_string(n); }
        std::string operator()(double d) const { return numberText(d); }
        std::string operator()(Money m) const { return m.toPlainText(); }
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(const DateTime& dt) const { return generalDate(dt); }
    };
    return std::visit(V{}, v_);
}

double Value::toDouble() const {
    struct V {
        double operator()(Null) const { return 0; }
        double operator()(const std::string& s) const {
            if (auto m = Money::parse(s)) return m->toDouble();
            return val(s);
        }
        double operator()(std::int64_t n) const { return static_cast<double>(n); }
        double operator()(double d) const { return d; }
        double operator()(Money m) const { return m.toDouble(); }
        double operator()(bool b) const { return b ? -1 : 0; }
        double operator()(const DateTime& dt) const {
            return static_cast<double>(daysBetween(Date{}, dt.date)) + secondsOfDay(dt.time) / 86400.0;
        }
    };
    return std::visit(V{}, v_);
}

std::int64_t Value::toLong() const {
    if (auto p = std::get_if<std::int64_t>(&v_)) return *p;
    return static_cast<std::int64_t>(std::nearbyint(toDouble()));
}

Money Value::toMoney() const {
    if (auto p = std::get_if<Money>(&v_)) return *p;
    if (auto p = std::get_if<std::int64_t>(&v_)) return Money::fromInt(*p);
    if (auto p = std::get_if<std::string>(&v_)) {
        if (auto m = Money::parse(*p)) return *m;
    }
    return Money::fromDouble(toDouble());
}

bool Value::toBool() const {
    if (auto p = std::get_if<bool>(&v_)) return *p;
    if (auto p = std::get_if<std::string>(&v_)) {
        if (*p == "True" || *p == "true" || *p == "TRUE") return true;
        if (*p == "False" || *p == "false" || *p == "FALSE" || p->empty()) return false;
    }
    return toDouble() != 0;
}

}  // namespace pelk::core
