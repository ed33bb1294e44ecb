// The border of every dialog: never a minimise box (a dialog belongs to the window that opened it),
// a close box unless the dialog is closed only by its button, maximise only where long texts are
// read, and a fixed size where it is laid out for one - never smaller than its contents need.
#include "WiredProgram.h"
#include "catalogue/ui/TFilterForm.h"
#include "discs/ui/TCDinfo.h"
#include "discs/ui/TDolgForm.h"
#include "discs/ui/TEditDisk.h"
#include "discs/ui/TMagForm.h"
#include "discs/ui/TShotter.h"
#include "lists/ui/TAboutBox.h"
#include "lists/ui/TDictForm.h"
#include "lists/ui/TSetupForm.h"
#include "output/ui/TExcelForm.h"
#include "output/ui/TPrintForm.h"

#include <QDialog>
#include <QtTest>
#include <functional>
#include <memory>

namespace mcb {

class DialogFramesTest : public QObject {
    Q_OBJECT

    struct Frame {
        bool closeBox = true;
        bool maximise = false;
        bool fixedSize = true;
    };
    struct Case {
        const char* name;
        std::function<std::unique_ptr<QDialog>(test::WiredProgram&)> make;
        Frame frame;
    };

private slots:
    void everyDialogHasItsBorder() {
        test::WiredProgram program;
        program.dir.Write("base.cbf", "[Common]\r\nLastCDID=00001\r\n[00001]\r\nNam=Solaris\r\nGin=-1\r\n");
        QVERIFY(program.Start());
        test::RecordingShell shell;
        const Case cases[] = {
            {"filter", [](auto&) { return std::make_unique<TFilterForm>(); }, {}},
            {"debtors",
             [&shell](auto& p) { return std::make_unique<TDolgForm>(p.prompts, shell, p.clock, p.dates); },
             {.maximise = true, .fixedSize = false}},
            {"summary", [](auto& p) { return std::make_unique<TCDinfo>(*p.session); }, {}},
            {"settings", [](auto& p) { return std::make_unique<TSetupForm>(p.prompts); }, {}},
            {"about box", [&shell](auto& p) { return std::make_unique<TAboutBox>(shell, p.prompts); }, {}},
            {"print", [](auto& p) { return std::make_unique<TPrintForm>(*p.session); }, {}},
            {"export", [&shell](auto& p) { return std::make_unique<TExcelForm>(*p.session, shell); }, {}},
            {"disc editor", [](auto&) { return std::make_unique<TEditDisk>(); }, {.fixedSize = false}},
            {"journal viewer",
             [](auto& p) { return std::make_unique<TMagForm>(p.session->settings().window, p.prompts); },
             {.maximise = true, .fixedSize = false}},
            {"picture viewer",
             [](auto&) { return std::make_unique<TShotter>(); },
             {.closeBox = false, .fixedSize = false}},
            {"reference lists",
             [](auto& p) {
                 return std::make_unique<TDictForm>(p.session->catalogue(), p.session->settings(), p.prompts);
             },
             {.fixedSize = false}},
        };
        for (const Case& c : cases) {
            const std::unique_ptr<QDialog> dialog = c.make(program);
            const Qt::WindowFlags flags = dialog->windowFlags();
            qInfo() << c.name << flags << dialog->size() << dialog->minimumSizeHint();
            QVERIFY2(dialog->windowType() == Qt::Dialog, c.name);
            QVERIFY2(!flags.testFlag(Qt::WindowMinimizeButtonHint), c.name);
            QVERIFY2(flags.testFlag(Qt::WindowCloseButtonHint) == c.frame.closeBox, c.name);
            QVERIFY2(flags.testFlag(Qt::WindowMaximizeButtonHint) == c.frame.maximise, c.name);
            QVERIFY2((dialog->minimumSize() == dialog->maximumSize()) == c.frame.fixedSize, c.name);
            if (c.frame.fixedSize) {
                QVERIFY2(dialog->width() >= dialog->minimumSizeHint().width(), c.name);
                QVERIFY2(dialog->height() >= dialog->minimumSizeHint().height(), c.name);
            }
        }
    }
};

} // namespace mcb

QTEST_MAIN(mcb::DialogFramesTest)
#include "DialogFrames_test.moc"
