#include "road/runner.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>
#include <vector>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/db/db.h"
#include "platform/os/actions.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/os/station.h"
#include "platform/print/printer.h"
#include "platform/print/printers.h"
#include "platform/sheet/sheet.h"
#include "platform/ui/input.h"
#include "platform/ui/program.h"
#include "platform/ui/scripted_host.h"
#include "platform/ui/timers.h"
#include "platform/ui/ui.h"
#include "road/script.h"
#include "support/temp_root.h"

namespace pelk::road {

namespace {

// An expect that did not hold.
struct ExpectFailed {
    std::string message;
};

// The script ran out while a form was shown waiting: the program simply stops there.
struct ScriptFinished {};

// "frmMain.comNumber(3).Caption" → form, control, index, property.
struct Ref {
    std::string form;
    std::string control;
    int index = -1;
    std::string property;
};

std::vector<std::string> splitRef(std::string_view word) {
    std::vector<std::string> parts;
    std::string part;
    int depth = 0;
    for (char c : word) {
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == '.' && depth == 0) {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

// "comNumber(3)" → ("comNumber", 3).
std::pair<std::string, int> nameAndIndex(const std::string& s) {
    auto open = s.find('(');
    if (open == std::string::npos) return {s, -1};
    if (s.back() != ')') throw ScriptError("cannot read " + s);
    std::string digits = s.substr(open + 1, s.size() - open - 2);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        throw ScriptError("cannot read the index of " + s);
    return {s.substr(0, open), std::stoi(digits)};
}

int wholeNumber(const std::string& s, const char* what) {
    try {
        std::size_t used = 0;
        int n = std::stoi(s, &used);
        if (used == s.size()) return n;
    } catch (const std::exception&) {
    }
    throw ScriptError(std::string(what) + " must be a whole number, not " + scriptText(s));
}

class Runner {
public:
    Runner(std::string fileName, std::vector<Line> lines, std::filesystem::path folder, std::ostream& out)
        : fileName_(std::move(fileName)), lines_(std::move(lines)), folder_(std::move(folder)), out_(out) {
        os::setActions(actions_);
        // A run prints to a recording print server and opens no spreadsheet on a desktop.
        print::resetJournal();
        print::setPrintServer(std::make_shared<print::RecordingPrintServer>());
        sheet::setDesktopOpener(nullptr);
        session_.host().setWaitDriver([this](ui::Form&, const std::function<bool()>& over) { runUntil(over); });
    }
    ~Runner() { os::setActions(nullptr); }

    int run(std::ostream& err) {
        try {
            runUntil([] { return false; });
        } catch (const ScriptFinished&) {
        } catch (const ExpectFailed& e) {
            err << where() << e.message << "\n";
            return kExpectFailed;
        } catch (const std::exception& e) {
            err << where() << e.what() << "\n";
            return kScriptFailed;
        }
        return kAllHeld;
    }

    // Loads the form as a reference in code does (its Form_Load runs) and dumps it as `dump` does,
    // each control followed by the frame or picture box it lies in. A form that cannot be loaded
    // here is told on the dump's stream, so that it shows in a comparison too.
    void dumpDesign(const std::string& form) {
        try {
            codeEvent([&] { ui::forms().byName(form); });
        } catch (const ScriptFinished&) {
            out_ << form << " waits for a form shown waiting\n";
        } catch (const std::exception& e) {
            out_ << form << " did not load: " << e.what() << "\n";
        }
        ui::Form* f = ui::forms().find(form);
        if (!f) return;
        out_ << f->name() << " Form" << properties(*f) << "\n";
        for (ui::Control* c : f->controls()) {
            out_ << c->path() << " " << ui::kindName(c->kind()) << properties(*c);
            if (ui::Control* box = c->container()) out_ << " Container=" << box->path();
            out_ << "\n";
        }
    }

private:
    std::string where() const { return fileName_ + ":" + std::to_string(currentLine_) + ": "; }

    // Runs the next lines until `over` holds; at the end of the script, stops the run.
    void runUntil(const std::function<bool()>& over) {
        while (!over()) {
            if (next_ >= lines_.size()) throw ScriptFinished{};
            const Line& line = lines_[next_++];
            currentLine_ = line.number;
            execute(line.words);
        }
    }

    void execute(const std::vector<std::string>& w) {
        const std::string& cmd = w[0];
        if (cmd != "expect" && ui::programEnded())
            throw ScriptError(cmd + ": the program has ended; only expect may follow");
        if (cmd == "now") return now(w);
        if (cmd == "wait") return wait(w);
        if (cmd == "root") return root(w);
        if (cmd == "start") return start(w);
        if (cmd == "show" || cmd == "showmodal") return show(w);
        if (cmd == "unload") return unload(w);
        if (cmd == "set") return set(w);
        if (cmd == "type") return type(w);
        if (cmd == "key") return key(w);
        if (cmd == "click" || cmd == "dblclick") return click(w);
        if (cmd == "select") return select(w);
        if (cmd == "cell") return cell(w);
        if (cmd == "delete") return deleteRow(w);
        if (cmd == "stores") return stores(w);
        if (cmd == "sql") return sql(w);
        if (cmd == "picture") return picture(w);
        if (cmd == "file") return file(w);
        if (cmd == "printer") return printer(w);
        if (cmd == "renew") return renew(w);
        if (cmd == "tick") return tick(w);
        if (cmd == "answer") return answer(w);
        if (cmd == "input") return input(w);
        if (cmd == "input-cancel") return inputCancel(w);
        if (cmd == "expect") return expect(w);
        if (cmd == "dump") return dump(w);
        throw ScriptError("unknown command " + scriptText(cmd));
    }

    static void arguments(const std::vector<std::string>& w, std::size_t least, std::size_t most, const char* usage) {
        if (w.size() - 1 < least || w.size() - 1 > most) throw ScriptError(std::string("usage: ") + usage);
    }

    // ---- finding forms and controls

    // The loaded form; never loads it.
    ui::Form& loadedForm(const std::string& name) {
        if (!ui::forms().isRegistered(name)) throw ScriptError("there is no form named " + name);
        ui::Form* f = ui::forms().find(name);
        if (!f) throw ScriptError(name + " is not loaded");
        return *f;
    }

    static ui::Control& controlOf(ui::Form& f, const std::string& name, int index) {
        ui::Control* c = f.control(name, index);
        if (!c) {
            std::string n = index >= 0 ? name + "(" + std::to_string(index) + ")" : name;
            throw ScriptError(f.name() + " has no control " + n);
        }
        return *c;
    }

    // FORM.CONTROL or FORM.CONTROL(INDEX) of a loaded form.
    ui::Control& control(const std::string& word) {
        auto parts = splitRef(word);
        if (parts.size() != 2) throw ScriptError("a control is named FORM.CONTROL, not " + scriptText(word));
        auto [name, index] = nameAndIndex(parts[1]);
        return controlOf(loadedForm(parts[0]), name, index);
    }

    // FORM.Property or FORM.CONTROL.Property.
    static Ref propertyRef(const std::string& word) {
        auto parts = splitRef(word);
        Ref r;
        if (parts.size() == 2) {
            r.form = parts[0];
            r.property = parts[1];
        } else if (parts.size() == 3) {
            r.form = parts[0];
            std::tie(r.control, r.index) = nameAndIndex(parts[1]);
            r.property = parts[2];
        } else {
            throw ScriptError("a property is named FORM.Property or FORM.CONTROL.Property, not " + scriptText(word));
        }
        return r;
    }

    ui::Object& target(ui::Form& f, const Ref& r) {
        if (r.control.empty()) return f;
        return controlOf(f, r.control, r.index);
    }

    // While a form is shown waiting, no other form takes input.
    static void checkTakesInput(const ui::Form& f) {
        ui::Form* modal = ui::forms().modalForm();
        if (modal && modal != &f)
            throw ScriptError(f.name() + " takes no input while " + modal->name() + " is shown waiting");
    }

    // ---- commands

    void now(const std::vector<std::string>& w) {
        arguments(w, 1, 2, "now YYYY-MM-DD [HH:MM:SS]");
        std::string text = w[1] + (w.size() > 2 ? " " + w[2] : "");
        auto at = core::parseDateTime(text);
        if (!at) throw ScriptError("now: cannot read " + scriptText(text));
        std::int64_t before = core::clock::nowMs();
        core::clock::fix(*at);
        ui::timers::shiftAll(core::clock::nowMs() - before);
    }

    void wait(const std::vector<std::string>& w) {
        arguments(w, 1, 1, "wait SECONDS");
        char* end = nullptr;
        double seconds = std::strtod(w[1].c_str(), &end);
        if (!end || *end || seconds < 0) throw ScriptError("wait: cannot read " + scriptText(w[1]));
        ui::timers::advance(std::llround(seconds * 1000));
    }

    void root(const std::vector<std::string>& w) {
        arguments(w, 1, 1, "root DIR");
        if (ui::programStarted()) throw ScriptError("root: the program has already started");
        std::filesystem::path dir = w[1];
        if (dir.is_relative()) dir = folder_ / dir;
        os::setRootFolder(dir);
    }

    // One more line of the station's printer list, which the program reads at its start.
    void printer(const std::vector<std::string>& w) {
        arguments(w, 2, 3, "printer NAME PORT [DEVICE]");
        if (ui::programStarted()) throw ScriptError("printer: the program has already started");
        std::filesystem::path list = print::stationPrintersFile();
        std::filesystem::create_directories(list.parent_path());
        std::ofstream out(list, std::ios::app);
        out << w[1] << '\t' << w[2];
        if (w.size() > 3) {
            out << '\t' << w[3];
            // A port on this machine is a file under the root: its folder is made, as a device's would be.
            if (w[3].empty() || w[3][0] != '/') std::filesystem::create_directories(os::mapPath(w[3]).parent_path());
        }
        out << '\n';
        if (!out) throw ScriptError("printer: cannot write " + list.string());
    }

    void start(const std::vector<std::string>& w) {
        arguments(w, 0, 0, "start");
        if (ui::programStarted()) throw ScriptError("start: the program has already started");
        auto startUp = ui::program().startUp;
        if (!startUp) throw ScriptError("start: the program's start-up is not yet available");
        ui::markProgramStarted();
        codeEvent([&] { startUp(); });
    }

    void show(const std::vector<std::string>& w) {
        arguments(w, 1, 1, "show FORM");
        if (!ui::forms().isRegistered(w[1])) throw ScriptError("there is no form named " + w[1]);
        ui::ShowMode mode = w[0] == "showmodal" ? ui::kModal : ui::kModeless;
        codeEvent([&] { ui::forms().byName(w[1]).Show(mode); });
    }

    void unload(const std::vector<std::string>& w) {
        arguments(w, 1, 1, "unload FORM");
        if (!ui::forms().isRegistered(w[1])) throw ScriptError("there is no form named " + w[1]);
        codeEvent([&] {
            if (ui::Form* f = ui::forms().find(w[1])) f->Unload();
        });
    }

    void set(const std::vector<std::string>& w) {
        arguments(w, 2, 2, "set FORM.CONTROL.Property VALUE");
        Ref r = propertyRef(w[1]);
        if (!ui::forms().isRegistered(r.form)) throw ScriptError("there is no form named " + r.form);
        // As code would: the reference loads the form.
        codeEvent([&] { target(ui::forms().byName(r.form), r).setProperty(r.property, w[2]); });
    }

    void type(const std::vector<std::string>& w) {
        arguments(w, 2, 2, "type FORM.CONTROL TEXT");
        ui::Control& c = control(w[1]);
        checkTakesInput(c.form());
        ui::input::type(c, w[2]);
    }

    void key(const std::vector<std::string>& w) {
        arguments(w, 2, 2, "key FORM CODE");
        ui::Form& f = loadedForm(w[1]);
        checkTakesInput(f);
        ui::input::pressKey(f, wholeNumber(w[2], "key: the key code"));
    }

    void click(const std::vector<std::string>& w) {
        arguments(w, 1, 1, "click FORM.CONTROL");
        ui::Control& c = control(w[1]);
        checkTakesInput(c.form());
        if (w[0] == "click")
            ui::input::click(c);
        else
            ui::input::dblClick(c);
    }

    void select(const std::vector<std::string>& w) {
        arguments(w, 2, 3, "select FORM.CONTROL ROW [COL]");
        ui::Control& c = control(w[1]);
        checkTakesInput(c.form());
        int row = wholeNumber(w[2], "select: the row");
        int column = w.size() > 3 ? wholeNumber(w[3], "select: the column") : -1;
        bool takes = ui::input::takesInput(c.form()) && c.shown() && c.usable();
        if (!ui::input::select(c, row, column) && takes) throw ScriptError(c.path() + " has no rows to select");
    }

    void cell(const std::vector<std::string>& w) {
        arguments(w, 4, 4, "cell FORM.GRID ROW COL VALUE");
        ui::Control& c = control(w[1]);
        if (c.kind() != ui::ControlKind::DBGrid) throw ScriptError(c.path() + " is not an editable grid");
        checkTakesInput(c.form());
        int row = wholeNumber(w[2], "cell: the row");
        int column = wholeNumber(w[3], "cell: the column");
        // A grid whose switches refuse the typing takes nothing, as a disabled control takes no click.
        ui::input::editCell(c, row, column, w[4]);
    }

    void deleteRow(const std::vector<std::string>& w) {
        arguments(w, 2, 2, "delete FORM.GRID ROW");
        ui::Control& c = control(w[1]);
        if (c.kind() != ui::ControlKind::DBGrid) throw ScriptError(c.path() + " is not a record grid");
        checkTakesInput(c.form());
        // A grid that does not allow deleting keeps the row, as the Delete key does nothing there.
        (void)ui::input::deleteRow(c, wholeNumber(w[2], "delete: the row"));
    }

    // ---- stores

    // A file name stands in the program folder; anything with a folder is a Windows path.
    static std::string storePath(const std::string& file) {
        if (file.find_first_of("\\/:") != std::string::npos) return file;
        return os::programPath(file);
    }

    void stores(const std::vector<std::string>& w) {
        arguments(w, 0, 0, "stores");
        if (ui::programStarted()) throw ScriptError("stores: the program has already started");
        db::Catalogue& catalogue = db::Catalogue::instance();
        catalogue.clear();
        if (auto declare = ui::program().declareStores) declare();
        std::string failures;
        for (const db::Error& e : catalogue.ensureStores()) failures += (failures.empty() ? "" : "; ") + e.message();
        if (!failures.empty()) throw ScriptError("stores: " + failures);
        std::string error;
        if (!os::markSetupDone(&error)) throw ScriptError("stores: " + error);
    }

    void sql(const std::vector<std::string>& w) {
        arguments(w, 2, 2, "sql FILE \"STATEMENT\"");
        std::string path = storePath(w[1]);
        if (!os::fileExists(path))
            if (db::Status st = db::ensureStore(path, db::StoreDecl{}); !st)
                throw ScriptError("sql: " + st.error().message());
        auto database = db::Database::open(path);
        if (!database) throw ScriptError("sql: " + database.error().message());
        auto written = database->execute(w[2]);
        if (!written) throw ScriptError("sql: " + written.error().message());
    }

    // Screens show pictures from files and list folders; a road lays them out. Both replace a file
    // already there.
    static void writeFile(const std::string& windowsPath, std::string_view bytes) {
        std::filesystem::path local = os::mapPath(windowsPath);
        std::error_code ec;
        std::filesystem::create_directories(local.parent_path(), ec);
        std::ofstream out(local, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) throw ScriptError("cannot write " + windowsPath);
    }

    // A bitmap of one white pixel.
    void picture(const std::vector<std::string>& w) {
        arguments(w, 1, 1, "picture PATH");
        static constexpr unsigned char kBitmap[] = {
            'B',  'M',  58,   0, 0,    0,    0, 0, 0, 0, 54, 0, 0, 0,                                 // file header
            40,   0,    0,    0, 1,    0,    0, 0, 1, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0,  // info header
            0x13, 0x0B, 0,    0, 0x13, 0x0B, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0,                          //
            0xFF, 0xFF, 0xFF, 0};  // the pixel, padded
        writeFile(w[1], std::string_view(reinterpret_cast<const char*>(kBitmap), sizeof kBitmap));
    }

    void file(const std::vector<std::string>& w) {
        arguments(w, 2, 2, "file PATH TEXT");
        writeFile(w[1], w[2]);
    }

    // Another station renews a store from its blank template, as the time sheets' Renew does.
    void renew(const std::vector<std::string>& w) {
        arguments(w, 2, 2, "renew FILE TEMPLATE");
        if (db::Status st = db::renewFromTemplate(storePath(w[1]), storePath(w[2])); !st)
            throw ScriptError("renew: " + st.error().message());
    }

    // The rows of TABLE (that meet WHERE), in stored order; a store that is not there fails the expect.
    db::Recordset storeRows(const std::string& file, const std::string& table, const std::string& where) {
        std::string path = storePath(file);
        if (!os::fileExists(path)) throw ExpectFailed{"expected the store " + scriptText(path) + ", got none"};
        auto database = db::Database::open(path);
        if (!database) throw ScriptError(database.error().message());
        auto rows = database->openRecordset("SELECT * FROM " + table + (where.empty() ? "" : " WHERE " + where));
        if (!rows) throw ScriptError(rows.error().message());
        return std::move(rows).value();
    }

    void expectCount(const std::vector<std::string>& w) {
        arguments(w, 4, 5, "expect count FILE TABLE N [WHERE]");
        int expected = wholeNumber(w[4], "expect count: N");
        std::string where = w.size() > 5 ? w[5] : "";
        db::Recordset rows = storeRows(w[2], w[3], where);
        long actual = rows.recordCount();
        if (const db::Error* e = rows.lastError()) throw ScriptError(e->message());
        if (actual != expected)
            throw ExpectFailed{"expected " + std::to_string(expected) + " rows in " + w[3] +
                               (where.empty() ? "" : " where " + where) + ", got " + std::to_string(actual)};
    }

    void expectField(const std::vector<std::string>& w) {
        arguments(w, 6, 6, "expect field FILE TABLE WHERE FIELD VALUE");
        db::Recordset rows = storeRows(w[2], w[3], w[4]);
        if (rows.eof()) {
            if (const db::Error* e = rows.lastError()) throw ScriptError(e->message());
            throw ExpectFailed{"expected a row in " + w[3] + " where " + w[4] + ", got none"};
        }
        auto value = rows.field(w[5]);
        if (!value) throw ScriptError(value.error().message());
        // As the screens read it: a date as its short date, Null as (null).
        expectEqual(w[6], value->isNull() ? std::string(ui::kNullText) : value->toText());
    }

    void tick(const std::vector<std::string>& w) {
        arguments(w, 1, 2, "tick FORM.TIMER [N]");
        int n = w.size() > 2 ? wholeNumber(w[2], "tick: the count") : 1;
        for (int i = 0; i < n && !ui::programEnded(); ++i) {
            // Looked up for every tick: a tick may unload the timer's form.
            ui::Control& c = control(w[1]);
            if (c.kind() != ui::ControlKind::Timer) throw ScriptError(c.path() + " is not a timer");
            auto& timer = static_cast<ui::Timer&>(c);
            if (!timer.running()) throw ScriptError(c.path() + " does not run (Enabled False or Interval 0)");
            codeEvent([&] { timer.raiseTimer(); });
        }
    }

    void answer(const std::vector<std::string>& w) {
        arguments(w, 1, 1, "answer OK|Cancel|Yes|No|Retry|Abort|Ignore");
        auto a = ui::answerFromName(w[1]);
        if (!a) throw ScriptError("answer: there is no button " + scriptText(w[1]));
        session_.host().answer(*a);
    }

    void input(const std::vector<std::string>& w) {
        arguments(w, 1, 1, "input TEXT");
        session_.host().answerInput(w[1]);
    }

    void inputCancel(const std::vector<std::string>& w) {
        arguments(w, 0, 0, "input-cancel");
        session_.host().cancelInput();
    }

    void dump(const std::vector<std::string>& w) {
        arguments(w, 1, 1, "dump FORM");
        ui::Form& f = loadedForm(w[1]);
        out_ << f.name() << " Form" << properties(f) << "\n";
        for (ui::Control* c : f.controls())
            out_ << c->path() << " " << ui::kindName(c->kind()) << properties(*c) << "\n";
    }

    static std::string properties(const ui::Object& o) {
        std::string s;
        for (const ui::Property& p : o.properties()) {
            if (p.cells()) {
                for (int r = 0, n = p.count(o), m = p.columns(o); r < n; ++r)
                    for (int c = 0; c < m; ++c)
                        s += " " + p.name + "(" + std::to_string(r) + "," + std::to_string(c) +
                             ")=" + scriptText(p.get(o, r * m + c));
            } else if (p.indexed()) {
                for (int i = 0, n = p.count(o); i < n; ++i)
                    s += " " + p.name + "(" + std::to_string(i) + ")=" + scriptText(p.get(o, i));
            } else if (p.name != "Name" && !(p.name == "Index" && p.get(o, -1) == "-1")) {
                s += " " + p.name + "=" + scriptText(p.get(o, -1));
            }
        }
        return s;
    }

    // ---- expect

    static void expectEqual(const std::string& expected, const std::string& actual) {
        if (expected != actual) throw ExpectFailed{"expected " + scriptText(expected) + ", got " + scriptText(actual)};
    }

    void expect(const std::vector<std::string>& w) {
        if (w.size() < 2) throw ScriptError("usage: expect WHAT …");
        const std::string& what = w[1];
        if (what == "loaded" || what == "unloaded" || what == "visible" || what == "hidden") return expectState(w);
        if (what == "msgbox") return expectMsgBox(w);
        if (what == "msgbox-title") return expectMsgBoxTitle(w);
        if (what == "no-msgbox") return expectNoMsgBox(w);
        if (what == "ended") {
            arguments(w, 1, 1, "expect ended");
            if (!ui::programEnded()) throw ExpectFailed{"expected the program to have ended, got it running"};
            return;
        }
        if (what == "ran") return expectRan(w);
        if (what == "printout") return expectPrintout(w);
        if (what == "printed") return expectPrinted(w);
        if (what == "port") return expectPort(w);
        if (what == "count") return expectCount(w);
        if (what == "field") return expectField(w);
        arguments(w, 2, 2, "expect FORM.CONTROL.Property VALUE");
        Ref r = propertyRef(what);
        ui::Form& f = loadedForm(r.form);
        expectEqual(w[2], target(f, r).property(r.property));
    }

    void expectState(const std::vector<std::string>& w) {
        arguments(w, 2, 2, "expect loaded|unloaded|visible|hidden FORM");
        const std::string& state = w[1];
        if (!ui::forms().isRegistered(w[2])) throw ScriptError("there is no form named " + w[2]);
        ui::Form* f = ui::forms().find(w[2]);
        std::string actual = !f ? "unloaded" : f->visible() ? "visible" : "hidden";
        bool held = state == "loaded" ? f != nullptr : state == actual;
        if (!held) throw ExpectFailed{"expected " + w[2] + " " + state + ", got " + actual};
    }

    void expectMsgBox(const std::vector<std::string>& w) {
        arguments(w, 2, 2, "expect msgbox TEXT");
        const auto& boxes = session_.host().messageBoxes();
        if (matchedBoxes_ >= boxes.size())
            throw ExpectFailed{"expected message box " + scriptText(w[2]) + ", got no message box"};
        const auto& box = boxes[matchedBoxes_];
        if (box.prompt != w[2])
            throw ExpectFailed{"expected message box " + scriptText(w[2]) + ", got " + scriptText(box.prompt)};
        lastMatched_ = static_cast<int>(matchedBoxes_++);
    }

    void expectMsgBoxTitle(const std::vector<std::string>& w) {
        arguments(w, 2, 2, "expect msgbox-title TEXT");
        if (lastMatched_ < 0) throw ScriptError("expect msgbox-title: no message box has been matched yet");
        expectEqual(w[2], session_.host().messageBoxes()[static_cast<std::size_t>(lastMatched_)].title);
    }

    void expectNoMsgBox(const std::vector<std::string>& w) {
        arguments(w, 1, 1, "expect no-msgbox");
        const auto& boxes = session_.host().messageBoxes();
        if (matchedBoxes_ < boxes.size())
            throw ExpectFailed{"expected no further message box, got " + scriptText(boxes[matchedBoxes_].prompt)};
    }

    void expectRan(const std::vector<std::string>& w) {
        arguments(w, 2, 2, "expect ran ACTION");
        const auto& asked = actions_->asked;
        if (std::find(asked.begin(), asked.end(), w[2]) != asked.end()) return;
        std::string all;
        for (const auto& a : asked) all += (all.empty() ? "" : ", ") + scriptText(a);
        throw ExpectFailed{"expected the program to run " + scriptText(w[2]) + ", got " +
                           (all.empty() ? std::string("nothing") : all)};
    }

    void expectPrintout(const std::vector<std::string>& w) {
        arguments(w, 4, 4, "expect printout N LINE TEXT");
        const auto& docs = print::journal().documents;
        int n = wholeNumber(w[2], "N"), line = wholeNumber(w[3], "LINE");
        if (n < 1 || static_cast<std::size_t>(n) > docs.size())
            throw ExpectFailed{"expected document " + w[2] + ", got " + std::to_string(docs.size()) + " printed"};
        auto texts = docs[static_cast<std::size_t>(n - 1)].texts();
        if (line < 1 || static_cast<std::size_t>(line) > texts.size())
            throw ExpectFailed{"expected line " + w[3] + " of document " + w[2] + ", got " +
                               std::to_string(texts.size()) + " lines"};
        expectEqual(w[4], texts[static_cast<std::size_t>(line - 1)]);
    }

    void expectPrinted(const std::vector<std::string>& w) {
        arguments(w, 2, 2, "expect printed N");
        expectEqual(w[2], std::to_string(print::journal().documents.size()));
    }

    void expectPort(const std::vector<std::string>& w) {
        if (w.size() < 3) throw ScriptError("usage: expect port BYTES");
        std::string expected;
        for (std::size_t k = 2; k < w.size(); ++k) {
            std::istringstream words(w[k]);
            std::string hex;
            while (words >> hex) expected += (expected.empty() ? "" : " ") + hex;
        }
        std::string actual;
        static const char* digits = "0123456789ABCDEF";
        for (unsigned char c : print::journal().portBytes()) {
            if (!actual.empty()) actual += ' ';
            actual += digits[c >> 4];
            actual += digits[c & 15];
        }
        std::string upper = expected;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        expectEqual(upper, actual);
    }

    // A command that acts as code would: one event, and the keys it queued arrive before it ends.
    static void codeEvent(const std::function<void()>& fn) {
        ui::runEvent([&] {
            fn();
            ui::deliverQueuedKeys();
        });
    }

    std::string fileName_;
    std::vector<Line> lines_;
    std::filesystem::path folder_;
    std::ostream& out_;
    test::TempRoot tempRoot_;
    ui::ScriptedSession session_;
    std::shared_ptr<os::RecordingActions> actions_ = std::make_shared<os::RecordingActions>();
    std::size_t next_ = 0;
    int currentLine_ = 0;
    std::size_t matchedBoxes_ = 0;
    int lastMatched_ = -1;
};

int run(std::string_view text, const std::string& fileName, const std::filesystem::path& folder,
        const std::function<void()>& registerForms, std::ostream& out, std::ostream& err) {
    std::vector<Line> lines;
    try {
        lines = parseScript(text);
    } catch (const ScriptError& e) {
        err << fileName << ": " << e.what() << "\n";
        return kScriptFailed;
    }
    Runner runner(fileName, std::move(lines), folder, out);
    if (registerForms) registerForms();
    return runner.run(err);
}

}  // namespace

int dumpDesigns(const std::function<void()>& registerForms, std::ostream& out, std::ostream& err) {
    std::vector<std::string> names;
    {
        Runner empty("designs", {}, std::filesystem::current_path(), out);
        if (registerForms) registerForms();
        names = ui::forms().registeredNames();
    }
    for (const std::string& name : names) {
        Runner runner("designs", parseScript("stores\n"), std::filesystem::current_path(), out);
        if (registerForms) registerForms();
        if (int code = runner.run(err); code != kAllHeld) return code;
        runner.dumpDesign(name);
    }
    return kAllHeld;
}

int runScript(std::string_view text, const std::string& fileName, const std::function<void()>& registerForms,
              std::ostream& out, std::ostream& err) {
    return run(text, fileName, std::filesystem::current_path(), registerForms, out, err);
}

int runScriptFile(const std::filesystem::path& file, const std::function<void()>& registerForms, std::ostream& out,
                  std::ostream& err) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        err << file.string() << ": cannot read the script\n";
        return kScriptFailed;
    }
    std::stringstream text;
    text << in.rdbuf();
    return run(text.str(), file.filename().string(), std::filesystem::absolute(file).parent_path(), registerForms, out,
               err);
}

}  // namespace pelk::road
