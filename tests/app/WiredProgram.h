// The program's main window over a session started on "base.cbf" in a temporary folder (written by
// the test first), wired to every subsystem's windows, with a fixed clock and scripted prompts.
#pragma once

#include "app/Wiring.h"
#include "catalogue/Session.h"
#include "catalogue/ui/MainForm.h"
#include "platform/qt/ModalRun.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"

#include <QDialog>
#include <QTest>
#include <functional>
#include <memory>

namespace mcb::test {

// What the user does in the next window of the given kind that the command under test shows.
template <class Window> void WhenShown(std::function<void(Window&)> act) {
    QueueModalScript([act](QDialog& dialog) {
        auto* window = qobject_cast<Window*>(&dialog);
        QVERIFY(window);
        act(*window);
    });
}

struct WiredProgram {
    TempDir dir;
    FixedClock clock;
    FixedDateFormat dates;
    ScriptedPrompts prompts;
    std::unique_ptr<Session> session;
    std::unique_ptr<TMainForm> form;

    // Starts the session, wires and shows the window; false when the window did not come up.
    bool Start() {
        session = std::make_unique<Session>(SessionServices{clock, dates, prompts}, dir.Path());
        session->Start(dir.File("base.cbf"));
        form = std::make_unique<TMainForm>(*session);
        WireProgram(*form);
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
    // Closes the window (which shuts the session down).
    void Stop() {
        if (form) form->close();
        form.reset();
        session.reset();
    }
    ~WiredProgram() { Stop(); }
};

} // namespace mcb::test
