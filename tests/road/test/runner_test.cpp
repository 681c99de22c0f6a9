#include "road/runner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "platform/os/actions.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/print/printers.h"
#include "platform/ui/picture.h"
#include "platform/ui/program.h"
#include "platform/ui/ui.h"
#include "road/demo_forms.h"
#include "road/script.h"
#include "support/temp_root.h"

using namespace pelk;

namespace {

// A form that ends the program or asks the machine to shut down, for the runner's own checks.
class frmExit : public ui::Form {
public:
    frmExit() {
        cmdEnd.onClick([] { ui::End(); });
        cmdShutdown.onClick([] { os::actions().shutdown(); });
        cmdQuit.onClick([this] { Unload(); });
        cmdPrint.onClick([] {
            auto& p = print::printer();
            p.print("Ticket");
            p.print("  two blanks  ");
            p.EndDoc();
            os::makeFolder("C:\\ports");
            print::setCurrentPrinter(print::PrinterInfo{"Receipt", "C:\\ports\\COM1"});
            print::writeToPort(std::string("\x1B\x70\x00\x14\x64\r\n", 7));
        });
    }
    ui::CommandButton cmdEnd{this, "cmdEnd"};
    ui::CommandButton cmdShutdown{this, "cmdShutdown"};
    ui::CommandButton cmdQuit{this, "cmdQuit"};
    ui::CommandButton cmdPrint{this, "cmdPrint"};
};

struct RoadRun {
    int code;
    std::string out, err;
};

RoadRun run(const std::string& script) {
    std::ostringstream out, err;
    int code = road::runScript(
        script, "t.road",
        [] {
            road::registerDemoForms();
            ui::forms().registerForm<frmExit>("frmExit");
        },
        out, err);
    return {code, out.str(), err.str()};
}

}  // namespace

TEST(Script, WordsQuotesEscapesAndComments) {
    auto lines = road::parseScript(
        "# a comment\n"
        "\n"
        "type frmX.txtA \"a \\\"b\\\" \\\\ \\r\\n\\b\\t\"   # typed\n"
        "   expect frmX.txtA.Text \"\"\r\n"
        "set frmX.Tag \"# not a comment\"");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].number, 3);
    EXPECT_EQ(lines[0].words, (std::vector<std::string>{"type", "frmX.txtA", "a \"b\" \\ \r\n\b\t"}));
    EXPECT_EQ(lines[1].words, (std::vector<std::string>{"expect", "frmX.txtA.Text", ""}));
    EXPECT_EQ(lines[2].words[2], "# not a comment");
    EXPECT_THROW(road::parseScript("ok\nexpect x \"open"), road::ScriptError);
    EXPECT_EQ(road::scriptText(""), "\"\"");
    EXPECT_EQ(road::scriptText("a \"b\"\r"), "\"a \\\"b\\\"\\r\"");
    EXPECT_EQ(road::scriptText("Plain"), "Plain");
}

// The demonstration road: every expect holds.
TEST(Runner, ARoadWhoseExpectsHoldExitsZero) {
    RoadRun r =
        run("show frmDemoList\n"
            "wait 1.5\n"
            "expect frmDemoList.lblTime.Caption \"9:00:01 AM\"\n"
            "click frmDemoList.cmdErase\n"
            "expect visible frmDemoAsk\n"
            "expect frmDemoAsk.lblLoadedWith.Caption Question?\n"
            "click frmDemoAsk.cmdYes\n"
            "expect unloaded frmDemoAsk\n"
            "expect frmDemoList.cmdErase.Tag Yes\n"
            "expect frmDemoList.lstItems.ListCount 0\n"
            "click frmDemoList.comNumber(3)\n"
            "type frmDemoList.txtCode 45\n"
            "expect frmDemoList.txtCode.Text 345\n"
            "answer No\n"
            "click frmDemoList.cmdClose\n"
            "expect msgbox \"Close the list?\"\n"
            "expect msgbox-title \"Pelk POS 4\"\n"
            "expect no-msgbox\n"
            "expect loaded frmDemoList\n"
            "set frmDemoAsk.Tag mode\n"
            "expect hidden frmDemoAsk\n"
            "dump frmDemoAsk\n");
    EXPECT_EQ(r.code, road::kAllHeld) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("frmDemoAsk Form Tag=mode Caption=Question"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("frmDemoAsk.lblQuestion Label"), std::string::npos);
}

// A wrong expect fails the run with exit code 1, naming the line, what was expected and what was got.
TEST(Runner, AWrongExpectFailsTheRunAtItsLine) {
    RoadRun r =
        run("show frmDemoList\n"
            "click frmDemoList.cmdErase\n"
            "click frmDemoAsk.cmdNo\n"
            "expect frmDemoList.lblStatus.Caption Erased\n"
            "expect frmDemoList.lblStatus.Caption Kept\n");
    EXPECT_EQ(r.code, road::kExpectFailed);
    EXPECT_EQ(r.err, "t.road:4: expected Erased, got Kept\n");

    struct Case {
        const char* script;
        const char* message;
    } cases[] = {
        {"show frmDemoList\nexpect hidden frmDemoList", "t.road:2: expected frmDemoList hidden, got visible\n"},
        {"expect loaded frmDemoAsk", "t.road:1: expected frmDemoAsk loaded, got unloaded\n"},
        {"expect msgbox Saved.", "t.road:1: expected message box Saved., got no message box\n"},
        {"show frmDemoList\nclick frmDemoList.cmdClose\nexpect msgbox \"Close it?\"",
         "t.road:3: expected message box \"Close it?\", got \"Close the list?\"\n"},
        {"show frmDemoList\nanswer No\nclick frmDemoList.cmdClose\nexpect no-msgbox",
         "t.road:4: expected no further message box, got \"Close the list?\"\n"},
        {"expect ended", "t.road:1: expected the program to have ended, got it running\n"},
        {"expect ran shutdown", "t.road:1: expected the program to run shutdown, got nothing\n"},
    };
    for (const Case& c : cases) {
        RoadRun f = run(c.script);
        EXPECT_EQ(f.code, road::kExpectFailed) << c.script;
        EXPECT_EQ(f.err, c.message) << c.script;
    }
}

// Lines that cannot run stop the run with exit code 2.
TEST(Runner, LinesThatCannotRunStopTheRun) {
    struct Case {
        const char* script;
        const char* message;
    } cases[] = {
        {"fly away", "t.road:1: unknown command fly\n"},
        {"show frmNowhere", "t.road:1: there is no form named frmNowhere\n"},
        {"expect frmDemoList.lblTime.Caption x", "t.road:1: frmDemoList is not loaded\n"},
        {"show frmDemoList\nclick frmDemoList.cmdNowhere", "t.road:2: frmDemoList has no control cmdNowhere\n"},
        {"show frmDemoList\nexpect frmDemoList.lblTime.Text x", "t.road:2: frmDemoList.lblTime has no property Text\n"},
        {"show frmDemoList\nclick frmDemoList.cmdErase\nclick frmDemoList.cmdClose",
         "t.road:3: frmDemoList takes no input while frmDemoAsk is shown waiting\n"},
        {"show frmDemoList\nanswer OK\nclick frmDemoList.cmdClose",
         "t.road:3: the message box \"Close the list?\" has no button OK\n"},
        {"answer Maybe", "t.road:1: answer: there is no button Maybe\n"},
        {"show frmExit\nclick frmExit.cmdEnd\nshow frmExit",
         "t.road:3: show: the program has ended; only expect may follow\n"},
        {"show frmDemoList\ntick frmDemoList.lblTime", "t.road:2: frmDemoList.lblTime is not a timer\n"},
        {"show frmDemoList\nset frmDemoList.txtCode.MaxLength many",
         "t.road:2: frmDemoList.txtCode.MaxLength: \"many\" is not a whole number\n"},
        {"wait \"a while\"", "t.road:1: wait: cannot read \"a while\"\n"},
        {"expect x \"open", "t.road: line 1: unclosed quote\n"},
    };
    for (const Case& c : cases) {
        RoadRun r = run(c.script);
        EXPECT_EQ(r.code, road::kScriptFailed) << c.script;
        EXPECT_EQ(r.err, c.message) << c.script;
    }
}

TEST(Runner, EndedProgramsAndTheMachine) {
    RoadRun ended =
        run("show frmExit\n"
            "click frmExit.cmdShutdown\n"
            "expect ran shutdown\n"
            "click frmExit.cmdEnd\n"
            "expect ended\n"
            "expect unloaded frmExit\n");
    EXPECT_EQ(ended.code, road::kAllHeld) << ended.err;

    // After the start-up, the program also ends when its last form closes.
    ui::program().startUp = [] { ui::forms().byName("frmExit").Show(); };
    RoadRun closed =
        run("start\n"
            "expect visible frmExit\n"
            "click frmExit.cmdQuit\n"
            "expect ended\n");
    ui::program().startUp = nullptr;
    EXPECT_EQ(closed.code, road::kAllHeld) << closed.err;

    RoadRun none = run("start\n");
    EXPECT_EQ(none.code, road::kScriptFailed);
    EXPECT_EQ(none.err, "t.road:1: start: the program's start-up is not yet available\n");
}

// A script may end while a form is shown waiting: the run stops there.
TEST(Runner, AScriptMayEndInsideAWait) {
    RoadRun r =
        run("show frmDemoList\n"
            "click frmDemoList.cmdErase\n"
            "expect visible frmDemoAsk\n");
    EXPECT_EQ(r.code, road::kAllHeld) << r.err;

    // A form the script shows waiting: the lines that follow act inside the wait.
    RoadRun shown =
        run("showmodal frmDemoAsk\n"
            "expect frmDemoAsk.lblLoadedWith.Caption Question?\n"
            "click frmDemoAsk.cmdNo\n"
            "expect unloaded frmDemoAsk\n"
            "show frmDemoList\n");
    EXPECT_EQ(shown.code, road::kAllHeld) << shown.err;
}

// picture and file lay out files at Windows paths, folders made: a picture the screens can load,
// and a plain file that is no picture.
TEST(Runner, PictureAndFileWriteFilesAtWindowsPaths) {
    test::TempRoot dir;
    // As a script writes them: a backslash doubled inside double quotes.
    const std::string bitmap = "C:\\\\Program Files\\\\Pelk POS 4\\\\ItemPic\\\\Tea.bmp";
    const std::string text = "C:\\\\Program Files\\\\Pelk POS 4\\\\ItemPic\\\\Notes.txt";
    RoadRun r = run("root " + dir.path().string() + "\n" + "picture \"" + bitmap + "\"\n" + "file \"" + text +
                    "\" \"no picture\"\n" + "file \"" + text + "\" \"not a picture\"\n");
    ASSERT_EQ(r.code, road::kAllHeld) << r.err;
    os::setRootFolder(dir.path());
    EXPECT_TRUE(ui::LoadPicture("C:\\Program Files\\Pelk POS 4\\ItemPic\\Tea.bmp").has_value());
    EXPECT_EQ(ui::pictureFormatOf(os::mapPath("C:\\Program Files\\Pelk POS 4\\ItemPic\\Tea.bmp")),
              ui::PictureFormat::Bmp);
    EXPECT_FALSE(ui::LoadPicture("C:\\Program Files\\Pelk POS 4\\ItemPic\\Notes.txt").has_value());
    std::ifstream written(os::mapPath("C:\\Program Files\\Pelk POS 4\\ItemPic\\Notes.txt"));
    std::string content((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, "not a picture");

    EXPECT_EQ(run("picture\n").code, road::kScriptFailed);
    EXPECT_EQ(run("file C:\\a.txt\n").code, road::kScriptFailed);
}

// delete presses Delete on a grid's row: the row goes only where the grid allows deleting.
TEST(Runner, DeleteTakesARowOutOfAGridThatAllowsIt) {
    const std::string store =
        "sql DemoStaff.mdb \"CREATE TABLE tbDemo (szID_no TEXT(4), sFirst_nm TEXT(20), szLevel_nu TEXT(10), "
        "Active YESNO, szHired DATETIME)\"\n"
        "sql DemoStaff.mdb \"INSERT INTO tbDemo VALUES ('1001', 'Ann', 'Level 1', True, Null)\"\n"
        "sql DemoStaff.mdb \"INSERT INTO tbDemo VALUES ('1002', 'Bob', 'Level 2', False, Null)\"\n"
        "show frmDemoStaff\n";
    RoadRun r = run(store +
                    "delete frmDemoStaff.grdStaff 1\n"
                    "expect count DemoStaff.mdb tbDemo 2\n"
                    "set frmDemoStaff.grdStaff.AllowDelete True\n"
                    "delete frmDemoStaff.grdStaff 1\n"
                    "expect count DemoStaff.mdb tbDemo 1\n"
                    "expect field DemoStaff.mdb tbDemo \"szID_no Like '*'\" sFirst_nm Ann\n");
    EXPECT_EQ(r.code, road::kAllHeld) << r.err;
    EXPECT_EQ(run(store + "delete frmDemoStaff.txtName 0\n").code, road::kScriptFailed);
    EXPECT_EQ(run(store + "delete frmDemoStaff.grdStaff\n").code, road::kScriptFailed);
}

// The clock: now sets it without ticking timers; wait ticks them.
TEST(Runner, NowAndWait) {
    RoadRun r =
        run("now 2026-12-10 14:05:09\n"
            "show frmDemoList\n"
            "now 2026-12-11 08:00:00\n"
            "expect frmDemoList.lblTime.Caption \"\"\n"
            "wait 1\n"
            "expect frmDemoList.lblTime.Caption \"8:00:01 AM\"\n"
            "tick frmDemoList.Timer1 2\n"
            "expect frmDemoList.lblTime.Caption \"8:00:01 AM\"\n");
    EXPECT_EQ(r.code, road::kAllHeld) << r.err;
}

TEST(Runner, PrintoutsAndPortBytes) {
    std::string script =
        "show frmExit\n"
        "expect printed 0\n"
        "click frmExit.cmdPrint\n"
        "expect printed 1\n"
        "expect printout 1 1 Ticket\n"
        "expect printout 1 2 \"  two blanks  \"\n"
        "expect port \"1B 70 00 14 64 0D 0A\"\n";
    RoadRun ok = run(script);
    EXPECT_EQ(ok.code, road::kAllHeld) << ok.err;
    RoadRun wrong = run("show frmExit\nclick frmExit.cmdPrint\nexpect printout 1 2 \"two blanks\"\n");
    EXPECT_EQ(wrong.code, road::kExpectFailed);
    EXPECT_EQ(wrong.err, "t.road:3: expected \"two blanks\", got \"  two blanks  \"\n");
    RoadRun missing = run("show frmExit\nexpect printout 1 1 Ticket\n");
    EXPECT_EQ(missing.code, road::kExpectFailed);
}
