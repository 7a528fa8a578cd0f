// The About window's buttons: "OK" closes it, "V H" opens the Version History
// window (which closes by its own "OK"), and "Visit Website" hands the maker's
// address to the desktop's browser.
#include "AboutSteps.h"

#include "MenuBar1.h"
#include "Window3.h"
#include "Window4.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QTest>
#include <QUrl>

using namespace vxtest;

// Receives what the program hands to the desktop's browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

class AboutButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CheckNoWindowsLeft(); }

    void closing_data()
    {
        QTest::addColumn<bool>("closeAbout");
        QTest::addColumn<QString>("how");
        for (const bool about : {true, false}) {
            const char* window = about ? "About" : "Version History";
            QTest::addRow("%s, OK clicked", window) << about << "click";
            QTest::addRow("%s, Return", window) << about << "return";
            QTest::addRow("%s, Escape", window) << about << "escape";
        }
    }

    // Each window closes by its own "OK" and leaves the other open.
    void closing()
    {
        QFETCH(bool, closeAbout);
        QFETCH(QString, how);
        RunProgram([&] {
            auto about = OpenAbout();
            QVERIFY(about);
            about->PushButton2()->Push();
            auto history = rt::CheckCast<Window4>(OpenWindow(Window4::kClassName));
            QVERIFY(history);
            rt::Ref<rt::Window> target = closeAbout ? rt::Ref<rt::Window>(about) : rt::Ref<rt::Window>(history);
            rt::Ref<rt::Window> other = closeAbout ? rt::Ref<rt::Window>(history) : rt::Ref<rt::Window>(about);
            target->Show();
            QWidget* top = rt::testing::WidgetOf(*target);
            QVERIFY(QTest::qWaitForWindowActive(top));
            if (how == "click") {
                auto ok = closeAbout ? about->PushButton1() : history->PushButton1();
                QTest::mouseClick(rt::testing::WidgetOf(*ok), Qt::LeftButton);
            } else {
                QWidget* focus = QApplication::focusWidget();
                QVERIFY(focus && focus->window() == top);
                QTest::keyClick(focus, how == "return" ? Qt::Key_Return : Qt::Key_Escape);
            }
            QVERIFY(!target->IsOpen());
            QVERIFY(!OpenWindow(target->ClassName()));
            QVERIFY(other->IsOpen());
            QVERIFY(OpenWindow(other->ClassName()) == other);
            rt::Quit(0);
        });
    }

    void versionHistory()
    {
        RunProgram([] {
            auto about = OpenAbout();
            QVERIFY(about);
            QTest::mouseClick(rt::testing::WidgetOf(*about->PushButton2()), Qt::LeftButton);
            auto history = rt::CheckCast<Window4>(OpenWindow(Window4::kClassName));
            QVERIFY(history);
            QWidget* top = rt::testing::WidgetOf(*history);
            QVERIFY(QTest::qWaitForWindowActive(top));
            QCOMPARE(OpenTitles(), (QStringList{"Version History", "About", "Vexorin 2.1"}));
            QCOMPARE(ContentOf(*history)->size(), QSize(258, 239));
            QVERIFY(history->MenuBar() == rt::Ref<rt::MenuBar>(MenuBar1::Instance()));
            QVERIFY(!top->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!top->close());
            QVERIFY(history->IsOpen());

            QCOMPARE(rt::testing::WidgetOf(*history->EditField1())->geometry(), QRect(3, 3, 245, 205));
            auto* ok = qobject_cast<QPushButton*>(rt::testing::WidgetOf(*history->PushButton1()));
            QCOMPARE(ok->geometry(), QRect(95, 214, 69, 20));
            QCOMPARE(ok->text(), "OK");
            QVERIFY(ok->isDefault() && history->PushButton1()->Cancel());
            QVERIFY(history->EditField1()->ReadOnly());

            const QString separator(31, QLatin1Char('-'));
            QCOMPARE(TextOf(*history->EditField1()).split(QLatin1Char('\r')),
                     (QStringList{"Version 2.1", "-Removed extra features(useless)", "-Updated SKH cheat code",
                                  "-Minor GUI improvements", separator, "Version 2.0", "-New Interface",
                                  "-Help Tags", "-Better Organization", "-Image Viewer",
                                  "-Music Player(requires quicktime)", "-Direct link to Terminal", separator,
                                  "Version 1.1",
                                  "-New added cheat code to the Duskvale SKH section(submitted by: Halvorik).",
                                  "-This Window", "-Select all feature", separator, "Version 1.0",
                                  "-First Release"}));
            QVERIFY(!TextOf(*history->EditField1()).contains(QLatin1Char('\n')));

            // "V H" again brings this same window forward.
            about->Show();
            QCOMPARE(OpenTitles().first(), "About");
            about->PushButton2()->Push();
            QCOMPARE(OpenTitles().first(), "Version History");
            QVERIFY(OpenWindow(Window4::kClassName) == rt::Ref<rt::Window>(history));
            QCOMPARE(LifecycleLog().count("construct Window4.Window4"), 1);

            // The window registers no handler of its own.
            QVERIFY(!history->HasMenuHandler("FileAbout"));
            QVERIFY(!history->HasMenuHandler("EditSelectAll"));
            rt::Quit(0);
        });
    }

    void visitWebsite()
    {
        UrlCatcher catcher;
        struct Unset {
            ~Unset() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
        } unset;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        QString host;
        RunProgram([&] {
            auto about = OpenAbout();
            QVERIFY(about);
            host = HostNamedIn(TextOf(*about->EditField1()));
            QVERIFY(!host.isEmpty());
            DialogAnswerer answers(nullptr);
            QTest::mouseClick(rt::testing::WidgetOf(*about->PushButton3()), Qt::LeftButton);
            QTRY_COMPARE(catcher.urls.size(), 1);
            QVERIFY(answers.messages.isEmpty());
            QCOMPARE(OpenTitles().first(), "About");
            rt::Quit(0);
        });
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first().toString(), "http://" + host);
    }
};

QTEST_MAIN(AboutButtonsTest)
#include "tst_about_buttons.moc"
