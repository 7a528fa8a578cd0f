// The About window: its design, its text, its menu bar and which windows
// answer the About command, driven through the whole program as a user would.
#include "AboutSteps.h"

#include "MenuBar3.h"
#include "Window1.h"
#include "Window3.h"
#include "Window4.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace vxtest;

namespace {

// Each item of a menu as "text [shortcut]", a separator as "-".
QStringList MenuEntries(const rt::Window& window, int menu)
{
    auto* bar = rt::testing::WidgetOf(window)->findChild<QMenuBar*>();
    QStringList entries;
    for (QAction* a : bar->actions().at(menu)->menu()->actions()) {
        if (a->isSeparator())
            entries << QStringLiteral("-");
        else if (a->shortcut().isEmpty())
            entries << a->text();
        else
            entries << QStringLiteral("%1 [%2]").arg(a->text(), a->shortcut().toString(QKeySequence::PortableText));
    }
    return entries;
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CheckNoWindowsLeft(); }

    void aboutWindow()
    {
        RunProgram([] {
            auto about = OpenAbout();
            QVERIFY(about);
            QCOMPARE(OpenTitles(), (QStringList{"About", "Vexorin 2.1"}));
            QWidget* top = rt::testing::WidgetOf(*about);
            QCOMPARE(ContentOf(*about)->size(), QSize(335, 368));
            QVERIFY(about->MenuBar() == rt::Ref<rt::MenuBar>(MenuBar3::Instance()));
            // No close box, and a close request from the desktop is refused.
            QVERIFY(!top->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!top->close());
            QVERIFY(about->IsOpen());
            QVERIFY(OpenWindow(Window3::kClassName) == about);

            QStringList order;
            for (QWidget* w : ContentOf(*about)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                order << w->objectName();
            QCOMPARE(order, (QStringList{"Canvas1", "StaticText1", "EditField1", "PushButton1", "PushButton2",
                                         "PushButton3"}));

            // The canvas draws the logo as it was read.
            auto logo = about->Canvas1()->Backdrop();
            QVERIFY(logo);
            QCOMPARE(QSize(logo->Width(), logo->Height()), QSize(123, 183));
            const QImage shown = rt::testing::WidgetOf(*about->Canvas1())->grab().toImage();
            QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                     rt::testing::ImageOf(*logo).convertToFormat(QImage::Format_RGB32));

            auto* label = qobject_cast<QLabel*>(rt::testing::WidgetOf(*about->StaticText1()));
            QCOMPARE(label->font().pixelSize(), 14);
            QVERIFY(label->alignment() & Qt::AlignHCenter);
            // Without a colour of its own the window shows the system's background, under the label too.
            const QImage shownWindow = top->grab().toImage();
            auto colourAt = [&](int x, int y) { return shownWindow.pixelColor(ContentOf(*about)->mapTo(top, QPoint(x, y))); };
            QCOMPARE(colourAt(3, 100), QApplication::palette().color(QPalette::Window));
            QCOMPARE(colourAt(62, 10), colourAt(3, 100));
            QVERIFY(about->EditField1()->ReadOnly());
            auto* ok = qobject_cast<QPushButton*>(rt::testing::WidgetOf(*about->PushButton1()));
            QVERIFY(ok->isDefault());
            QVERIFY(about->PushButton1()->Cancel());
            QVERIFY(!about->PushButton2()->Default() && !about->PushButton2()->Cancel());
            QVERIFY(!about->PushButton3()->Default() && !about->PushButton3()->Cancel());
            rt::Quit(0);
        });
    }

    void aboutControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QString>("helpTag");
        QTest::addColumn<QString>("shows");
        QTest::newRow("logo") << "Canvas1" << QRect(106, 35, 123, 183)
                              << "Quenra brevane in a temple, you can save this image by going to the menu-save logo"
                              << "";
        QTest::newRow("name") << "StaticText1" << QRect(60, 8, 214, 20) << "The programs name" << "Vexorin 2";
        QTest::newRow("text") << "EditField1" << QRect(14, 223, 307, 105) << "Information about the program" << "";
        QTest::newRow("OK") << "PushButton1" << QRect(252, 340, 69, 20) << "Closes this window" << "OK";
        QTest::newRow("V H") << "PushButton2" << QRect(25, 191, 52, 20) << "Version History" << "V H";
        QTest::newRow("Visit Website") << "PushButton3" << QRect(25, 340, 102, 20)
                                       << "Direct link to our website\" http://www.example.net/pemberlyn/"
                                       << "Visit Website";
    }

    void aboutControls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, frame);
        QFETCH(QString, helpTag);
        QFETCH(QString, shows);
        RunProgram([&] {
            auto about = OpenAbout();
            QVERIFY(about);
            auto control = about->ControlByName(name.toStdString());
            QVERIFY(control);
            QWidget* widget = rt::testing::WidgetOf(*control);
            QCOMPARE(widget->geometry(), frame);
            QVERIFY(widget->isVisible());
            QCOMPARE(widget->toolTip(), helpTag);
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                QCOMPARE(button->text(), shows);
                QCOMPARE(button->font().pixelSize(), 12);
            } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                QCOMPARE(label->text(), shows);
            } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
                QCOMPARE(edit->font().pixelSize(), 12);
                QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            }
            rt::Quit(0);
        });
    }

    void aboutText()
    {
        RunProgram([] {
            auto about = OpenAbout();
            QVERIFY(about);
            const QString text = TextOf(*about->EditField1());
            const QString host = HostNamedIn(text);
            // The maker's address is a name reserved for examples.
            QVERIFY2(QRegularExpression(QStringLiteral("^[a-z0-9-]+\\.example\\.(com|org|net)$")).match(host).hasMatch(),
                     qPrintable(host));
            QCOMPARE(text.split(QLatin1Char('\r')),
                     (QStringList{"This Program was made by Pemberlyn.", "This is Freeware.",
                                  "Use this program and have a lot of fun with your Duskvale games, please keep up "
                                  "to date with this program by visiting "
                                      + host + " or by clicking on the",
                                  "Visit Site below this text box.", ""}));
            QVERIFY(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\t')));
            for (QChar c : text)
                QVERIFY(c.unicode() < 128);
            // What the user sees: the four lines, one under the other.
            auto* edit = qobject_cast<QPlainTextEdit*>(rt::testing::WidgetOf(*about->EditField1()));
            QCOMPARE(edit->toPlainText(), QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
            QCOMPARE(edit->document()->blockCount(), 5);
            rt::Quit(0);
        });
    }

    void aboutAgainBringsTheSameWindowForward()
    {
        RunProgram([] {
            auto about = OpenAbout();
            QVERIFY(about);
            about->EditField1()->SetSelStart(5);
            auto main = OpenWindow(Window1::kClassName);
            main->Show();
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*main)));
            QCOMPARE(OpenTitles(), (QStringList{"Vexorin 2.1", "About"}));
            QVERIFY(ChooseMenuItem(*main, "FileAbout"));
            QCOMPARE(OpenTitles(), (QStringList{"About", "Vexorin 2.1"}));
            QVERIFY(OpenWindow(Window3::kClassName) == about);
            QCOMPARE(about->EditField1()->SelStart(), 5);
            QCOMPARE(LifecycleLog().count("construct Window3.Window3"), 1);
            rt::Quit(0);
        });
    }

    void aboutAnswersOnlyInTheMainWindow_data()
    {
        QTest::addColumn<QString>("front");
        QTest::newRow("cheat window") << "cheat";
        QTest::newRow("Version History") << "history";
        QTest::newRow("Version History, main window closed") << "history, no main";
    }

    void aboutAnswersOnlyInTheMainWindow()
    {
        QFETCH(QString, front);
        RunProgram([&] {
            rt::Ref<rt::Window> window;
            if (front == "cheat") {
                window = OpenCheatWindow();
            } else {
                auto about = OpenAbout();
                QVERIFY(about);
                about->PushButton2()->Push();
                window = OpenWindow(Window4::kClassName);
                about->PushButton1()->Push();
                if (front == "history, no main")
                    rt::testing::WidgetOf(*OpenWindow(Window1::kClassName))->close();
            }
            QVERIFY(window);
            QVERIFY(!OpenWindow(Window3::kClassName));
            // The item is there, but this window answers nothing under it.
            QVERIFY(rt::testing::ActionOf(*window, "FileAbout"));
            QVERIFY(!ChooseMenuItem(*window, "FileAbout"));
            QVERIFY(!OpenWindow(Window3::kClassName));
            rt::Quit(0);
        });
    }

    void aboutMenuBar()
    {
        RunProgram([] {
            auto about = OpenAbout();
            QVERIFY(about);
            QCOMPARE(MenuEntries(*about, 0), (QStringList{"Quit [Ctrl+Q]", "Save the Logo [Ctrl+S]"}));
            QCOMPARE(MenuEntries(*about, 1), (QStringList{"&Undo [Ctrl+Z]", "-", "Cu&t [Ctrl+X]", "&Copy [Ctrl+C]",
                                                          "&Paste [Ctrl+V]", "Clear"}));
            rt::testing::UpdateMenus(*about);
            QVERIFY(rt::testing::ActionOf(*about, "FileSavetheLogo")->isEnabled());
            QVERIFY(rt::testing::ActionOf(*about, "FileQuit")->isEnabled());
            QVERIFY(!rt::testing::ActionOf(*about, "FileAbout"));
            QVERIFY(!rt::testing::ActionOf(*about, "EditSelectAll"));
            rt::Quit(0);
        });
    }

    void controlQInTheAboutWindowQuitsAtOnce()
    {
        const int status = RunProgram([] {
            auto about = OpenAbout();
            QVERIFY(about);
            DialogAnswerer answers(nullptr);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
            QVERIFY(rt::testing::QuitRequested());
            QVERIFY(answers.messages.isEmpty());
        });
        QCOMPARE(status, 0);
    }

    void menuBar3IsBuiltOnceAndReleasedAfterMenuBar1()
    {
        std::vector<const rt::MenuBar*> bars;
        RunProgram([&] {
            for (int i = 0; i < 3; ++i) {
                auto about = OpenAbout();
                QVERIFY(about);
                bars.push_back(about->MenuBar().Get());
                about->PushButton1()->Push();
                QVERIFY(!OpenWindow(Window3::kClassName));
            }
            rt::Quit(0);
        });
        QCOMPARE(bars.size(), 3u);
        QVERIFY(bars[0] == bars[1] && bars[1] == bars[2]);
        const QStringList log = LifecycleLog();
        QCOMPARE(log.count("construct Window3.Window3"), 3);
        QCOMPARE(log.count("release MenuBar3.MenuBar3"), 1);
        QCOMPARE(log.mid(log.size() - 2), (QStringList{"release MenuBar1.MenuBar1", "release MenuBar3.MenuBar3"}));
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
