// The main menu as the user chooses its items, and the mixer program that
// "mix. pult " starts.
#include "CalibrationFixture.h"

#include "app/MenuCommands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>
#include <optional>

namespace {

using zvk::testing::CalibrationTest;

// Writes an executable (or plain) file.
void WriteFile(const QString& path, const QByteArray& content, bool executable) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(content);
    f.close();
    QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        p |= QFile::ExeOwner;
    ASSERT_TRUE(f.setPermissions(p));
}

TEST(FindMixerProgram, FirstProgramOfTheListFoundOnThePath) {
    struct File {
        const char* path; // relative to a fresh directory
        enum { Program, PlainFile, Directory } kind;
    };
    struct Case {
        const char* name;
        std::vector<File> files;
        const char* searchPath; // '@' stands for the fresh directory
        const char* found;      // relative, or "" for none
    };
    const Case cases[] = {
        {"empty path", {{"a/pavucontrol", File::Program}}, "", ""},
        {"only empty entries", {{"a/pavucontrol", File::Program}}, "::", ""},
        {"none installed", {{"a/alsamixer", File::Program}}, "@/a:@/b", ""},
        {"program order before directory order",
         {{"a/pavucontrol-qt", File::Program}, {"b/pwvucontrol", File::Program}},
         "@/a:@/b",
         "b/pwvucontrol"},
        {"first choice anywhere on the path",
         {{"a/pwvucontrol", File::Program}, {"b/pavucontrol", File::Program}},
         "@/a:@/b",
         "b/pavucontrol"},
        {"earlier directory wins for the same program",
         {{"a/pavucontrol", File::Program}, {"b/pavucontrol", File::Program}},
         "@/b:@/a",
         "b/pavucontrol"},
        {"not executable is not a program",
         {{"a/pavucontrol", File::PlainFile}, {"a/pavucontrol-qt", File::Program}},
         "@/a",
         "a/pavucontrol-qt"},
        {"a directory is not a program",
         {{"a/pavucontrol", File::Directory}, {"b/pwvucontrol", File::Program}},
         "@/a:@/b",
         "b/pwvucontrol"},
        {"trailing slash and empty entries",
         {{"a/pwvucontrol", File::Program}},
         ":@/a/:",
         "a/pwvucontrol"},
        {"missing directory skipped",
         {{"b/pavucontrol", File::Program}},
         "@/x:@/b",
         "b/pavucontrol"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString root = dir.path();
        for (const File& f : c.files) {
            const QString path = root + "/" + f.path;
            ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
            if (f.kind == File::Directory)
                ASSERT_TRUE(QDir().mkpath(path));
            else
                WriteFile(path, "#!/bin/sh\n", f.kind == File::Program);
        }
        const std::string searchPath = QString(c.searchPath).replace("@", root).toStdString();
        const std::string expected =
            *c.found ? (root + "/" + c.found).toStdString() : std::string();
        EXPECT_EQ(zvk::FindMixerProgram(searchPath), expected);
    }
}

class MenuCommands : public CalibrationTest {
protected:
    void SetUp() override {
        CalibrationTest::SetUp();
        const char* path = std::getenv("PATH");
        if (path)
            savedPath = path;
    }
    void TearDown() override {
        if (savedPath)
            qputenv("PATH", QByteArray::fromStdString(*savedPath));
        else
            qunsetenv("PATH");
        CalibrationTest::TearDown();
    }
    // Chooses an item the way the menu does.
    static void Choose(vcl::TMenuItem* item) { item->Action()->trigger(); }

    // Nothing in the window, no report, no new window.
    struct Snapshot {
        QJsonObject dump;
        int exceptions;
        qsizetype windows;
    };
    Snapshot Take() {
        return {zvk::DumpAll(*form), vcl::Application()->ExceptionCount(),
                QApplication::topLevelWidgets().size()};
    }
    void ExpectUnchanged(const Snapshot& before) {
        const Snapshot now = Take();
        EXPECT_EQ(now.dump, before.dump);
        EXPECT_EQ(now.exceptions, before.exceptions);
        EXPECT_EQ(now.windows, before.windows);
        EXPECT_TRUE(reports.empty());
    }

    std::optional<std::string> savedPath;
};

TEST_F(MenuCommands, MixerWithoutMixerProgramChangesNothing) {
    ASSERT_EQ(form->mix1->Caption(), "mix. pult ");
    const Snapshot before = Take();
    qputenv("PATH", "");
    Choose(form->mix1);
    ExpectUnchanged(before);
    qunsetenv("PATH");
    Choose(form->mix1);
    ExpectUnchanged(before);
}

TEST_F(MenuCommands, MixerThatCannotStartChangesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Executable, but no program the system can run.
    WriteFile(dir.path() + "/pavucontrol", QByteArray("\x01\x02 not a program\n"), true);
    const Snapshot before = Take();
    qputenv("PATH", dir.path().toUtf8());
    Choose(form->mix1);
    ExpectUnchanged(before);
}

// A stand-in mixer that logs its start, then waits to be released, so a
// command that waited for it could not return before the release.
TEST_F(MenuCommands, MixerStartsAnotherCopyAtEachChoiceWithoutWaiting) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString log = dir.path() + "/log";
    const QString release = dir.path() + "/release";
    const QByteArray script = "#!/bin/sh\n"
                              "echo \"$0 start\" >> '" +
                              log.toUtf8() +
                              "'\n"
                              "n=0\n"
                              "while [ ! -e '" +
                              release.toUtf8() +
                              "' ] && [ $n -lt 300 ]; do /bin/sleep 0.1; n=$((n+1)); done\n"
                              "echo \"$0 end\" >> '" +
                              log.toUtf8() + "'\n";
    WriteFile(dir.path() + "/pwvucontrol", script, true);
    WriteFile(dir.path() + "/pavucontrol-qt", script, true);
    qputenv("PATH", dir.path().toUtf8());

    const Snapshot before = Take();
    Choose(form->mix1);
    Choose(form->mix1);
    ExpectUnchanged(before);

    const auto readLog = [&] {
        QFile f(log);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    const QString program = dir.path() + "/pwvucontrol";
    const QString started = program + " start\n" + program + " start\n";
    for (int i = 0; i < 300 && readLog() != started; ++i)
        QThread::msleep(20);
    EXPECT_EQ(readLog(), started) << "two copies started, neither finished";

    WriteFile(release, "", false);
    const QString ended = started + program + " end\n" + program + " end\n";
    for (int i = 0; i < 300 && readLog() != ended; ++i)
        QThread::msleep(20);
    EXPECT_EQ(readLog(), ended);
}

TEST_F(MenuCommands, CaptionsWithoutACommandChangeNothing) {
    vcl::TMenuItem* const items[] = {
        form->spoutn1,      form->volbazobrazen1, form->mickanl1,      form->volbarozsahu1,
        form->frekvence1,   form->naptR1,         form->volbarozsahu2, form->frekvence2,
        form->asovzkladna1, form->test2,          form->genertor11,    form->genertor21,
        form->automatick1,  form->rozmtan1,
    };
    const Snapshot before = Take();
    const bool checked = form->volbazobrazen1->Action()->isChecked();
    for (vcl::TMenuItem* item : items) {
        SCOPED_TRACE(item->Name);
        Choose(item);
        item->Click();
        ExpectUnchanged(before);
    }
    EXPECT_EQ(form->volbazobrazen1->Action()->isChecked(), checked);
}

TEST_F(MenuCommands, ItemsWithACommandDoWhatTheySay) {
    const struct {
        vcl::TMenuItem* item;
        vcl::TPanel* panel;
        bool shown;
    } steps[] = {
        {form->zobrazit2, form->Panel410, true}, {form->zruit2, form->Panel410, false},
        {form->zobrazit3, form->Panel215, true}, {form->zruit3, form->Panel215, false},
        {form->zobrazit4, form->Panel110, true}, {form->zruit4, form->Panel110, false},
        {form->zruit1, form->Panel13, false},    {form->zobrazit1, form->Panel13, true},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.item->Name);
        s.panel->SetVisible(!s.shown);
        Choose(s.item);
        EXPECT_EQ(s.panel->Visible(), s.shown);
    }
    // "mazání" wipes the screen.
    form->Canvas()->Pen.Color = vcl::clWhite;
    form->Canvas()->MoveTo(600, 150);
    form->Canvas()->LineTo(601, 150);
    ASSERT_EQ(form->Canvas()->Pixel(600, 150), vcl::clWhite);
    Choose(form->file1);
    EXPECT_EQ(form->Canvas()->Pixel(600, 150), vcl::clBlack);
    EXPECT_TRUE(reports.empty());
}

} // namespace
