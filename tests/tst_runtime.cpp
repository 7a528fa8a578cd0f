// The runtime layer on its own: windows found by class name, their lifetime,
// stored properties, menu enabling, exceptions, and the string helpers.
#include "ProgramTest.h"

#include "MenuBar1.h"

#include "rt/Application.h"
#include "rt/Menu.h"
#include "rt/Window.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <unistd.h>
#include <stdexcept>

using namespace vxtest;

namespace {

std::vector<std::string> g_events;

// A window of the tests' own, built on the same pattern as the program's.
class ProbeWindow : public rt::Window {
public:
    static constexpr const char* kClassName = "ProbeWindow.ProbeWindow";
    static inline std::function<void()> onAction;
    static inline bool closeBox = true;
    static inline bool failToCreateControls = false;
    ProbeWindow() : rt::Window(kClassName) {}
    static rt::Ref<ProbeWindow> Instance() { return rt::ImplicitInstance<ProbeWindow>(); }

    rt::Ref<rt::PushButton> Button() const { return ControlAs<rt::PushButton>("Button"); }
    rt::Ref<rt::TextArea> Text() const { return ControlAs<rt::TextArea>("Text"); }
    rt::Ref<rt::PushButton> Other() const { return ControlAs<rt::PushButton>("Other"); }
    rt::Ref<rt::TextArea> Plain() const { return ControlAs<rt::TextArea>("Plain"); }
    void Button_Action(rt::PushButton&)
    {
        g_events.push_back("action");
        if (onAction)
            onAction();
    }
    bool SelectAllAgain_Action()
    {
        g_events.push_back("select all again");
        return false;
    }

protected:
    void Layout() override
    {
        g_events.push_back("Layout");
        SetMenuBar(MenuBar1::Instance());
        SetProperties({{"Width", std::int32_t{200}}, {"Height", std::int32_t{100}},
                       {"Title", std::string("Probe")}, {"CloseButton", closeBox}});
    }
    void CreateControls() override
    {
        g_events.push_back("CreateControls");
        AddControl("Button", New<rt::PushButton>());
        Button()->SetProperties({{"Caption", std::string("Go")}, {"Default", true}, {"Width", std::int32_t{60}},
                                 {"Height", std::int32_t{20}}});
        Bind(Button(), rt::Event::Action, &ProbeWindow::Button_Action);
        AddControl("Text", New<rt::TextArea>());
        Text()->SetProperties({{"Top", std::int32_t{30}}, {"Width", std::int32_t{200}}, {"Height", std::int32_t{60}},
                               {"ReadOnly", true}, {"TabIndex", std::int32_t{1}}, {"TextColor", rt::Color{0, 0, 0}},
                               {"BackColor", rt::Color{255, 255, 255}}, {"HideSelection", true}});
        if (failToCreateControls)
            throw rt::NilObjectException();
        AddControl("Other", New<rt::PushButton>());
        Other()->SetProperties({{"Left", std::int32_t{100}}, {"Caption", std::string("Other")},
                                {"Width", std::int32_t{60}}, {"Height", std::int32_t{20}}, {"TabIndex", std::int32_t{0}}});
        // The keyboard order runs against the order of creation.
        Button()->SetProperties({{"TabIndex", std::int32_t{2}}});
        // Given no colours: it shows the toolkit's.
        AddControl("Plain", New<rt::TextArea>());
        Plain()->SetProperties({{"Left", std::int32_t{100}}, {"Top", std::int32_t{60}}, {"Width", std::int32_t{100}},
                                {"Height", std::int32_t{20}}, {"TabStop", false}});
    }
    void AddMenuHandlers(rt::Window& window) override
    {
        g_events.push_back("AddMenuHandlers");
        auto& self = rt::CheckCast<ProbeWindow>(window);
        self.AddMenuHandler("EditSelectAll", &ProbeWindow::EditSelectAll_Action);
        self.AddMenuHandler("NoSuchItem", &ProbeWindow::NoSuchItem_Action);
    }

private:
    bool EditSelectAll_Action()
    {
        g_events.push_back("select all");
        return false;
    }
    bool NoSuchItem_Action()
    {
        g_events.push_back("never");
        return false;
    }
};

bool Destroyed(const char* className)
{
    return LifecycleLog().contains(QStringLiteral("destroy %1").arg(className));
}

} // namespace

class RuntimeTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        g_events.clear();
        ProbeWindow::onAction = nullptr;
        ProbeWindow::closeBox = true;
        ProbeWindow::failToCreateControls = false;
    }
    void cleanup() { CheckNoWindowsLeft(); }

    void oneInstancePerClass()
    {
        RunProgram([] {
            auto first = ProbeWindow::Instance();
            QCOMPARE(g_events, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers"}));
            QVERIFY(ProbeWindow::Instance() == first);
            QCOMPARE(g_events.size(), 3u); // nothing constructed the second time
            QCOMPARE(OpenTitles().first(), "Probe");

            QPointer<QWidget> widget = rt::testing::WidgetOf(*first);
            first->Close();
            QVERIFY(!rt::GetImplicitWindow(ProbeWindow::kClassName));
            auto second = ProbeWindow::Instance();
            QVERIFY(!(second == first));
            first.Clear();
            QVERIFY(widget); // not before the event loop has had its turn
            QTRY_VERIFY(!widget);
            second->Close();
            rt::Quit(0);
        });
    }

    // A closed window stays whole until the events that closed it have
    // returned; then it goes, and its widgets with it. Its own handler may
    // still use it after Close.
    void closedWindowGoesAfterItsEvents_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Close from its own button") << false;
        QTest::newRow("the close box") << true;
    }

    void closedWindowGoesAfterItsEvents()
    {
        QFETCH(bool, closeBox);
        RunProgram([&] {
            auto window = ProbeWindow::Instance();
            rt::Ref<rt::PushButton> button = window->Button();
            QPointer<QWidget> widget = rt::testing::WidgetOf(*window);
            ProbeWindow* raw = window.Get();
            window.Clear();
            ProbeWindow::onAction = [raw] {
                raw->Close();
                QVERIFY(!raw->IsOpen());
                g_events.push_back(raw->Title());
                g_events.push_back(raw->Button()->Caption());
                // The class may have a new instance at once.
                QVERIFY(ProbeWindow::Instance().Get() != raw);
                ProbeWindow::Instance()->Close();
            };
            if (closeBox)
                widget->close();
            else
                QTest::mouseClick(rt::testing::WidgetOf(*button), Qt::LeftButton);
            QVERIFY(!rt::GetImplicitWindow(ProbeWindow::kClassName));
            // Still inside the event that closed it.
            QVERIFY(!Destroyed(ProbeWindow::kClassName));
            QVERIFY(widget);
            QTRY_VERIFY(Destroyed(ProbeWindow::kClassName));
            QTRY_VERIFY(!widget);
            if (!closeBox)
                QCOMPARE(g_events, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "action",
                                                             "Probe", "Go", "Layout", "CreateControls",
                                                             "AddMenuHandlers"}));
            QCOMPARE(rt::testing::OpenWindows().size(), 1u);
            // A control whose window has gone raises instead of crashing.
            QVERIFY_THROWS_EXCEPTION(rt::NilObjectException, button->Push());
            rt::Quit(0);
        });
    }

    // A window held past its close goes when its last holder lets go, which
    // may be inside some event: its widgets then wait for the loop, and
    // nothing of them reaches the window or its controls in the meantime.
    // (What would, reaches freed memory: the sanitizer build reports it.)
    void nothingOfAGoneWindowStaysConnected()
    {
        RunProgram([] {
            auto window = ProbeWindow::Instance();
            QPointer<QAction> selectAll = rt::testing::ActionOf(*window, "EditSelectAll");
            QPointer<QWidget> widget = rt::testing::WidgetOf(*window);
            QPointer<QPlainTextEdit> text = qobject_cast<QPlainTextEdit*>(rt::testing::WidgetOf(*window->Plain()));
            QPointer<QPushButton> button = qobject_cast<QPushButton*>(rt::testing::WidgetOf(*window->Button()));
            window->Close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!Destroyed(ProbeWindow::kClassName)); // still held here
            window.Clear();
            QVERIFY(Destroyed(ProbeWindow::kClassName));
            QVERIFY(widget && selectAll && text && button);
            selectAll->setEnabled(true);
            selectAll->trigger();
            for (QMenu* menu : widget->findChildren<QMenu*>())
                emit menu->aboutToShow();
            text->setPlainText(QStringLiteral("typed after the window went"));
            text->selectAll();
            button->click();
            QCOMPARE(g_events, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers"}));
            QTRY_VERIFY(!widget);
            rt::Quit(0);
        });
    }

    // A window whose construction fails leaves nothing behind: the next call
    // of the accessor builds a fresh one.
    void failedConstructionLeavesNoWindow()
    {
        RunProgram([] {
            ProbeWindow::failToCreateControls = true;
            QVERIFY_THROWS_EXCEPTION(rt::NilObjectException, ProbeWindow::Instance());
            QVERIFY(!rt::GetImplicitWindow(ProbeWindow::kClassName));
            QCOMPARE(OpenTitles(), QStringList{"Vexorin 2.1"});
            QTRY_VERIFY(Destroyed(ProbeWindow::kClassName));

            ProbeWindow::failToCreateControls = false;
            auto window = ProbeWindow::Instance();
            QVERIFY(window->Other());
            QCOMPARE(OpenTitles(), (QStringList{"Probe", "Vexorin 2.1"}));
            window->Close();
            rt::Quit(0);
        });
    }

    // Tab follows the controls' TabIndex, not the order of their creation.
    void tabOrderFollowsTabIndex_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order"); // the controls that Tab reaches, by TabIndex
        QTest::newRow("controls created against their order")
            << ProbeWindow::kClassName << QStringList{"Other", "Text", "Button"};
        QTest::newRow("the main window")
            << "Window1.Window1" << QStringList{"PopupMenu1", "PopupMenu2", "PushButton1", "PushButton2"};
    }

    void tabOrderFollowsTabIndex()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        RunProgram([&] {
            const auto shown = window == ProbeWindow::kClassName ? rt::Ref<rt::Window>(ProbeWindow::Instance())
                                                                 : OpenWindow(window.toStdString());
            QVERIFY(shown);
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*shown)));
            QList<QWidget*> widgets;
            int tabIndex = -1;
            for (const QString& name : order) {
                auto control = shown->ControlByName(name.toStdString());
                QVERIFY2(control, qPrintable(name));
                QVERIFY2(control->TabIndex() > tabIndex, "the row must list the controls by TabIndex");
                tabIndex = control->TabIndex();
                widgets << rt::testing::WidgetOf(*control);
            }
            widgets[0]->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), widgets[0]);
            for (int i = 1; i < widgets.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), widgets[i]);
            }
            rt::Quit(0);
        });
    }

    void showBringsBackAMinimisedWindow()
    {
        RunProgram([] {
            auto window = ProbeWindow::Instance();
            QWidget* widget = rt::testing::WidgetOf(*window);
            QVERIFY(QTest::qWaitForWindowActive(widget));
            widget->showMinimized();
            QVERIFY(widget->isMinimized());
            auto main = rt::GetImplicitWindow("Window1.Window1");
            main->Show();
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*main)));

            ProbeWindow::Instance()->Show();
            QVERIFY(ProbeWindow::Instance() == window);
            QVERIFY(!widget->isMinimized());
            QVERIFY(QTest::qWaitForWindowActive(widget));
            QVERIFY(rt::testing::OpenWindows().front() == rt::Ref<rt::Window>(window));
            window->Close();
            rt::Quit(0);
        });
    }

    // Text areas share a palette for alike colours; one given none keeps the
    // toolkit's, not the colours that another text area shares.
    void textAreaWithoutColours()
    {
        RunProgram([] {
            auto window = ProbeWindow::Instance();
            const QPalette toolkit = QApplication::palette();
            const QPalette plain = rt::testing::WidgetOf(*window->Plain())->palette();
            const QPalette coloured = rt::testing::WidgetOf(*window->Text())->palette();
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                for (auto role : {QPalette::Text, QPalette::Base, QPalette::Highlight, QPalette::HighlightedText})
                    QCOMPARE(plain.color(group, role), toolkit.color(group, role));
            }
            QCOMPARE(coloured.color(QPalette::Inactive, QPalette::Highlight), QColor(Qt::white));
            QVERIFY(toolkit.color(QPalette::Inactive, QPalette::Highlight) != QColor(Qt::white));
            window->Close();
            rt::Quit(0);
        });
    }

    void storedProperties_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind"); // index into rt::Value
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown name") << "Colour" << 1 << "unknown property \"Colour\" for class PushButton";
        QTest::newRow("wrong kind") << "Caption" << 0 << "property \"Caption\" of class PushButton takes a string";
    }

    void storedProperties()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, error);
        RunProgram([&] {
            auto button = ProbeWindow::Instance()->Button();
            QCOMPARE(std::get<std::string>(*button->PropertyValue("Caption")), "Go");
            rt::Value value = kind == 0 ? rt::Value(true) : rt::Value(std::int32_t{1});
            QString thrown;
            try {
                button->SetProperties({{name.toStdString(), value}});
            } catch (const rt::RuntimeException& e) {
                thrown = e.what();
            }
            QCOMPARE(thrown, error);
            ProbeWindow::Instance()->Close();
            rt::Quit(0);
        });
    }

    void menusEnableByRegisteredName()
    {
        RunProgram([] {
            auto window = ProbeWindow::Instance();
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*window)));
            QVERIFY(ChooseMenuItem(*window, "EditSelectAll"));
            QVERIFY(!ChooseMenuItem(*window, "FileAbout")); // registered in no window here
            QVERIFY(!ChooseMenuItem(*window, "EditCopy"));  // nothing selected
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(g_events.back(), "select all");
            QVERIFY(std::find(g_events.begin(), g_events.end(), "never") == g_events.end());
            window->Close();
            rt::Quit(0);
        });
    }

    // The window's own command takes its shortcut, even from a focused
    // control that has a use of its own for the key: an editable text area
    // would select all of itself on Ctrl+A.
    void menuShortcutWinsOverTheFocusedText()
    {
        RunProgram([] {
            auto window = ProbeWindow::Instance();
            window->Plain()->SetText("some words");
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*window)));
            QWidget* plain = rt::testing::WidgetOf(*window->Plain());
            plain->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), plain);
            QTest::keyClick(plain, Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(std::count(g_events.begin(), g_events.end(), "select all"), 1);
            QCOMPARE(window->Plain()->SelLength(), 0); // the window's handler selects nothing
            window->Close();
            rt::Quit(0);
        });
    }

    // A second handler for an item replaces the first.
    void laterMenuHandlerReplacesEarlier()
    {
        RunProgram([] {
            auto window = ProbeWindow::Instance();
            window->AddMenuHandler("EditSelectAll", &ProbeWindow::SelectAllAgain_Action);
            QVERIFY(ChooseMenuItem(*window, "EditSelectAll"));
            QCOMPARE(g_events.back(), "select all again");
            QCOMPARE(std::count(g_events.begin(), g_events.end(), "select all"), 0);
            window->Close();
            rt::Quit(0);
        });
    }

    // A menu bar given to a window that is already open shows each item as
    // it stands from the start, without waiting for the focus to move.
    void menuBarGivenToAnOpenWindow()
    {
        RunProgram([] {
            auto window = ProbeWindow::Instance();
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*window)));
            window->Text()->SetText("Some text");
            auto* text = qobject_cast<QPlainTextEdit*>(rt::testing::WidgetOf(*window->Text()));
            text->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), text);
            text->selectAll();

            window->SetMenuBar(MenuBar1::Instance());
            const std::pair<const char*, bool> expected[] = {
                {"FileQuit", true},       {"FileAbout", false}, // no handler in this window
                {"EditSelectAll", true},  {"EditCopy", true},   // something is selected
                {"EditCut", false},       {"EditPaste", false}, // the text is read-only
            };
            for (const auto& [item, enabled] : expected)
                QVERIFY2(rt::testing::ActionOf(*window, item)->isEnabled() == enabled, item);
            window->Close();
            rt::Quit(0);
        });
    }

    // A name is taken once per window: the design meant for a second control
    // must not land on the first.
    void takenControlNameRaises()
    {
        RunProgram([] {
            auto window = ProbeWindow::Instance();
            const rt::Ref<rt::Control> first = window->Button();
            auto second = window->New<rt::PushButton>();
            QVERIFY_THROWS_EXCEPTION(rt::RuntimeException, window->AddControl("Button", second));
            QVERIFY(window->ControlByName("Button") == first);
            QCOMPARE(second->Name(), "");
            window->Close();
            rt::Quit(0);
        });
    }

    // Each menu bar's button for items that do not fit shows the icon of the
    // writing direction in force when its window opens, however many opened
    // before it.
    void menuBarExtensionIconFollowsTheDirection()
    {
        auto iconOfANewWindow = [] {
            auto window = ProbeWindow::Instance();
            auto* button = rt::testing::WidgetOf(*window)->findChild<QToolButton*>("qt_menubar_ext_button");
            const QImage image = button ? button->icon().pixmap(16, 16).toImage() : QImage();
            window->Close();
            return image;
        };
        RunProgram([&] {
            const QImage leftToRight = iconOfANewWindow();
            QVERIFY(!leftToRight.isNull());
            QCOMPARE(iconOfANewWindow(), leftToRight);
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);
            const QImage rightToLeft = iconOfANewWindow();
            QGuiApplication::setLayoutDirection(Qt::LeftToRight);
            QVERIFY(!rightToLeft.isNull());
            QVERIFY(rightToLeft != leftToRight);
            QCOMPARE(iconOfANewWindow(), leftToRight);
            rt::Quit(0);
        });
    }

    void returnPressesTheDefaultButton()
    {
        RunProgram([] {
            auto window = ProbeWindow::Instance();
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*window)));
            rt::testing::WidgetOf(*window->Text())->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // a read-only text passes it on
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(std::count(g_events.begin(), g_events.end(), "action"), 2);
            window->Close();
            rt::Quit(0);
        });
    }

    void windowWithoutCloseBoxRefusesToClose()
    {
        ProbeWindow::closeBox = false;
        RunProgram([] {
            auto window = ProbeWindow::Instance();
            QWidget* widget = rt::testing::WidgetOf(*window);
            QVERIFY(!(widget->windowFlags() & Qt::WindowCloseButtonHint));
            QVERIFY(!widget->close());
            QVERIFY(window->IsOpen());
            // Quit still ends the program with the window open.
            rt::Quit(0);
        });
    }

    // A write that cannot go on (to a pipe or connection whose reader has
    // gone, or past the file-size limit) fails with its error instead of
    // ending the program, and the programs it starts keep the signals'
    // default effects.
    void writesThatCannotGoOnFail()
    {
        for (const int signal : {SIGPIPE, SIGXFSZ})
            std::signal(signal, SIG_DFL);
        RunProgram([] {
            int ends[2];
            QCOMPARE(::pipe(ends), 0);
            ::close(ends[0]);
            errno = 0;
            const ssize_t written = ::write(ends[1], "x", 1);
            const int error = errno;
            ::close(ends[1]);
            QCOMPARE(written, ssize_t(-1));
            QCOMPARE(error, EPIPE);

            FILE* child = ::popen("grep '^SigIgn:' /proc/self/status", "r");
            QVERIFY(child);
            char line[128] = {};
            const bool read = std::fgets(line, sizeof line, child) != nullptr;
            ::pclose(child);
            QVERIFY(read);
            const unsigned long long ignored = std::strtoull(line + std::strlen("SigIgn:"), nullptr, 16);
            QCOMPARE(ignored & (1ULL << (SIGPIPE - 1)), 0ULL);
            QCOMPARE(ignored & (1ULL << (SIGXFSZ - 1)), 0ULL);
            rt::Quit(0);
        });
    }

    void exceptionsEndTheProgram_data()
    {
        QTest::addColumn<bool>("runtimeException");
        QTest::newRow("NilObjectException, reported") << true;
        QTest::newRow("foreign exception, unhandled") << false;
    }

    void exceptionsEndTheProgram()
    {
        QFETCH(bool, runtimeException);
        QString reported;
        QString title;
        const int status = RunProgram([&] {
            auto window = ProbeWindow::Instance();
            ProbeWindow::onAction = [runtimeException] {
                if (runtimeException)
                    throw rt::NilObjectException();
                throw std::logic_error("not a runtime exception");
            };
            if (runtimeException) {
                OnNextModal([&](QWidget* modal) {
                    auto* box = qobject_cast<QMessageBox*>(modal);
                    reported = box ? box->text() : QStringLiteral("<not a message box>");
                    title = modal->windowTitle();
                    modal->close();
                });
            }
            window->Button()->Push();
            QVERIFY(rt::testing::QuitRequested());
        });
        QCOMPARE(status, 1);
        if (runtimeException) {
            QVERIFY2(reported.contains("NilObjectException"), qPrintable(reported));
            QCOMPARE(title, "Vexorin");
        }
        // Finalisation ran in full either way.
        const auto log = rt::testing::LifecycleLog();
        QCOMPARE(log.back(), "release MenuBar1.MenuBar1");
    }

    void strings_data()
    {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<bool>("equal");
        QTest::addColumn<int>("length");
        QTest::newRow("case ignored") << QByteArray("Mac n PC") << QByteArray("Mac n Pc") << true << 8;
        QTest::newRow("different") << QByteArray("Other") << QByteArray("Others") << false << 5;
        QTest::newRow("no-break space counts once") << QByteArray("a\xc2\xa0z") << QByteArray("A\xc2\xa0Z") << true << 3;
        QTest::newRow("astral character counts once") << QByteArray("\xf0\x9f\x8e\xae!") << QByteArray("!") << false << 2;
    }

    void strings()
    {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(bool, equal);
        QFETCH(int, length);
        QCOMPARE(rt::RuntimeStringCompare(a.toStdString(), b.toStdString()) == 0, equal);
        QCOMPARE(static_cast<int>(rt::Len(a.toStdString())), length);
    }

    void selectionCountsCharacters()
    {
        RunProgram([] {
            auto text = ProbeWindow::Instance()->Text();
            text->SetText("\xf0\x9f\x8e\xae" "ab\rc\xc3\xa9");
            text->SetSelStart(1);
            text->SetSelLength(static_cast<int>(rt::Len(text->Text())) - 1);
            QCOMPARE(text->SelStart(), 1);
            QCOMPARE(text->SelLength(), 5);
            auto* edit = qobject_cast<QPlainTextEdit*>(rt::testing::WidgetOf(*text));
            QCOMPARE(edit->textCursor().selectedText(), QString::fromUtf8("ab\u2029c\xc3\xa9"));
            text->SetSelLength(1000); // clamped to the text
            QCOMPARE(text->SelLength(), 5);
            text->SetSelLength(std::numeric_limits<int>::max()); // no overflow past the start
            QCOMPARE(text->SelStart(), 1);
            QCOMPARE(text->SelLength(), 5);
            ProbeWindow::Instance()->Close();
            rt::Quit(0);
        });
    }

    // Positions in code points both ways, where the toolkit makes one line
    // break of a CR LF pair.
    void selectionAcrossLineBreaks_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("unitStart"); // the same selection as the toolkit counts it
        QTest::addColumn<int>("unitLength");
        QTest::newRow("after a CR LF") << QByteArray("ab\r\ncd") << 4 << 1 << "c" << 3 << 1;
        QTest::newRow("across a CR LF") << QByteArray("ab\r\ncd") << 1 << 4 << "b\u2029c" << 1 << 3;
        QTest::newRow("after two CR LFs") << QByteArray("a\r\n\r\nb") << 5 << 1 << "b" << 3 << 1;
        QTest::newRow("astral character, then CR LF") << QByteArray("\xf0\x9f\x8e\xae\r\nb") << 1 << 3
                                                      << "\u2029b" << 2 << 2;
        QTest::newRow("lone CR and lone LF") << QByteArray("a\rb\nc") << 4 << 1 << "c" << 4 << 1;
    }

    void selectionAcrossLineBreaks()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, selected);
        QFETCH(int, unitStart);
        QFETCH(int, unitLength);
        RunProgram([&] {
            auto area = ProbeWindow::Instance()->Text();
            auto* edit = qobject_cast<QPlainTextEdit*>(rt::testing::WidgetOf(*area));
            area->SetText(text.toStdString());
            area->SetSelStart(start);
            area->SetSelLength(length);
            QCOMPARE(edit->textCursor().selectedText(), selected);
            // Read back from a selection the toolkit made.
            QTextCursor cursor(edit->document());
            cursor.setPosition(unitStart);
            cursor.setPosition(unitStart + unitLength, QTextCursor::KeepAnchor);
            edit->setTextCursor(cursor);
            QCOMPARE(area->SelStart(), start);
            QCOMPARE(area->SelLength(), length);
            ProbeWindow::Instance()->Close();
            rt::Quit(0);
        });
    }

    // After the user has typed, the text reads back as it stands in the
    // area, no-break spaces included, every line break a CR.
    void editedTextKeepsItsCharacters_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("typed"); // after "x" typed at the end
        QTest::newRow("no-break space") << QByteArray("a\xc2\xa0" "b") << QByteArray("a\xc2\xa0" "bx");
        QTest::newRow("line breaks") << QByteArray("a\rb\nc\r\nd\xc2\xa0") << QByteArray("a\rb\rc\rd\xc2\xa0x");
    }

    void editedTextKeepsItsCharacters()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, typed);
        RunProgram([&] {
            auto area = ProbeWindow::Instance()->Plain();
            QVERIFY(!area->ReadOnly());
            auto* edit = qobject_cast<QPlainTextEdit*>(rt::testing::WidgetOf(*area));
            area->SetText(text.toStdString());
            QCOMPARE(QByteArray::fromStdString(area->Text()), text);
            edit->moveCursor(QTextCursor::End);
            QTest::keyClick(edit, Qt::Key_X);
            QCOMPARE(QByteArray::fromStdString(area->Text()), typed);
            ProbeWindow::Instance()->Close();
            rt::Quit(0);
        });
    }
};

QTEST_MAIN(RuntimeTest)
#include "tst_runtime.moc"
