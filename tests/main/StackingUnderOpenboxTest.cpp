// The boxes of a long Go on a real desktop: run by UnderOpenbox.sh on a virtual display with openbox, this
// checks what the window manager makes of them, which the offscreen platform of the other window tests
// cannot show: each box is transient for the main window and stacked above it and the progress dialog.
#include "FormFixture.h"
#include "PausingWork.h"

#include <QDeadlineTimer>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <xcb/xcb.h>

namespace {

// The window manager's view of the display, read through a connection of its own.
class WindowManagerView {
public:
    WindowManagerView() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_) == 0)
            root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    }
    ~WindowManagerView() { xcb_disconnect(connection_); }
    WindowManagerView(const WindowManagerView&) = delete;
    WindowManagerView& operator=(const WindowManagerView&) = delete;

    bool Connected() const { return root_ != 0; }
    // True once a window manager has announced itself on the display.
    bool Managed() const { return !Windows(root_, "_NET_SUPPORTING_WM_CHECK").empty(); }
    // The managed windows, bottom to top.
    std::vector<xcb_window_t> Stacking() const { return Windows(root_, "_NET_CLIENT_LIST_STACKING"); }
    xcb_window_t TransientFor(xcb_window_t window) const {
        const auto owners = Windows(window, "WM_TRANSIENT_FOR");
        return owners.empty() ? 0 : owners.front();
    }

private:
    xcb_atom_t Atom(const char* name) const {
        auto* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 1, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t atom = reply ? reply->atom : 0;
        free(reply);
        return atom;
    }
    std::vector<xcb_window_t> Windows(xcb_window_t window, const char* property) const {
        std::vector<xcb_window_t> windows;
        const xcb_atom_t atom = Atom(property);
        if (atom == 0)
            return windows;
        auto* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, atom, XCB_ATOM_WINDOW, 0, 4096), nullptr);
        if (reply && reply->format == 32) {
            const auto* values = static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
            windows.assign(values, values + xcb_get_property_value_length(reply) / 4);
        }
        free(reply);
        return windows;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
};

// Where the stacking put a window: its place from the bottom, -1 where it is not on the screen.
int PlaceOf(const std::vector<xcb_window_t>& stacking, xcb_window_t window) {
    const auto found = std::find(stacking.begin(), stacking.end(), window);
    return found == stacking.end() ? -1 : static_cast<int>(found - stacking.begin());
}

struct StackedBox {
    QString text;
    bool transientForWindow = false;
    bool aboveWindow = false;
    bool aboveProgress = false;
};

class UnderOpenbox : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run this test through UnderOpenbox.sh";
        ASSERT_TRUE(view_.Connected());
        QDeadlineTimer deadline(10000);
        while (!view_.Managed() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_TRUE(view_.Managed()) << "no window manager took over the display";
    }

    WindowManagerView view_;
    fakes::PausingFiles held_{files_, files_};
    MessageBoxDialogs real_{QStringLiteral("Quillmap")};
};

TEST_F(UnderOpenbox, TheFailureBoxAndTheStopSummaryStandAboveTheWindowAndTheProgress) {
    renamer_ = &held_;
    boxes_ = &real_;
    held_.pauseAt = 4;
    held_.failAt = 4;
    held_.failReason = "File name too long";
    OpenTenFilesToRename();

    std::vector<StackedBox> seen;
    bool progressShown = false;
    QDeadlineTimer deadline(20000);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* progress = form_->findChild<QWidget*>(QLatin1String(names::dlgProgress));
        const auto stacking = view_.Stacking();
        // The held rename goes on once the window manager shows the progress dialog.
        if (held_.gate.Holding() && progress && PlaceOf(stacking, progress->winId()) >= 0) {
            progressShown = true;
            held_.gate.Release();
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        const int boxPlace = PlaceOf(stacking, box->winId());
        // The window manager takes a moment to manage a new window, and the progress to leave.
        const int progressPlace = progress ? PlaceOf(stacking, progress->winId()) : -1;
        if ((boxPlace < 0 || progressPlace > boxPlace) && !deadline.hasExpired())
            return;
        seen.push_back({box->text(), view_.TransientFor(box->winId()) == form_->winId(),
                        boxPlace > PlaceOf(stacking, form_->winId()), progressPlace < boxPlace});
        Answer(*box, QStringLiteral("Stop"));
    });
    poll.start(10);
    Click(names::btnGo);
    held_.gate.Release();

    EXPECT_TRUE(progressShown) << "the progress dialog never showed";
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text.toStdString(), "Error renaming file " + folder_.Sub("f04.txt"));
    EXPECT_TRUE(seen[1].text.startsWith("Renaming stopped."));
    for (const StackedBox& box : seen) {
        SCOPED_TRACE(box.text.toStdString());
        EXPECT_TRUE(box.transientForWindow) << "the box is not transient for the main window";
        EXPECT_TRUE(box.aboveWindow) << "the box is below the main window";
        EXPECT_TRUE(box.aboveProgress) << "the box is below the progress dialog";
    }
}

} // namespace
