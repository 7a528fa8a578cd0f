// Start-up and shutdown of the whole program, the main window and the
// standard menu bar, driven as a user would.
#include "ProgramTest.h"

#include "MenuBar1.h"
#include "Window1.h"

#include "rt/Application.h"

#include <QComboBox>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace vxtest;

namespace {

QStringList Rows(const rt::PopupMenu& popup)
{
    QStringList rows;
    for (int i = 0; i < popup.ListCount(); ++i)
        rows << QString::fromStdString(popup.List(i));
    return rows;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CheckNoWindowsLeft(); }

    void mainWindowComesUpAlone()
    {
        const int status = RunProgram([] {
            QCOMPARE(OpenTitles(), QStringList{"Vexorin 2.1"});
            auto window = Window1::Instance();
            QWidget* top = rt::testing::WidgetOf(*window);
            QVERIFY(QTest::qWaitForWindowExposed(top));
            QCOMPARE(ContentOf(*window)->size(), QSize(359, 109));
            QVERIFY(top->findChild<QMenuBar*>()->geometry().bottom() < ContentOf(*window)->geometry().top());
            QCOMPARE(window->PopupMenu1()->Text(), "Select A Duskvale Game");
            QCOMPARE(window->PopupMenu2()->Text(), "Select A Console");
            QCOMPARE(Rows(*window->PopupMenu1()),
                     (QStringList{"Select A Duskvale Game", "Duskvale 1", "Duskvale 2", "Duskvale 3",
                                  "Duskvale Ostrevane", "Duskvale Wendrith", "Duskvale Skarnholt"}));
            QCOMPARE(Rows(*window->PopupMenu2()),
                     (QStringList{"Select A Console", "Mac n PC", "Play Station", "Other"}));
            // The application and the window share the one standard menu bar.
            QVERIFY(rt::App()->MenuBar() == rt::Ref<rt::MenuBar>(MenuBar1::Instance()));
            QVERIFY(window->MenuBar() == rt::Ref<rt::MenuBar>(MenuBar1::Instance()));
            auto* view = qobject_cast<QPushButton*>(rt::testing::WidgetOf(*window->PushButton1()));
            QCOMPARE(view->text(), "View");
            QCOMPARE(view->geometry(), QRect(281, 74, 69, 20));
            QCOMPARE(view->toolTip(), "Opens the window with the combination of Game+Console");
            QCOMPARE(rt::testing::WidgetOf(*window->PopupMenu2())->toolTip(),
                     "Click here to select a conole EX. PlayStation Mac");
            QCOMPARE(view->font().pixelSize(), 12);
            rt::Quit(0);
        });
        QCOMPARE(status, 0);
    }

    void documentTypesAndFinalisationOrder()
    {
        QCOMPARE(RunProgram([] { rt::Quit(0); }), 0);
        QCOMPARE(LifecycleLog(), (QStringList{"register pizi", "register todolo", "register abcd",
                                     "construct Window1.Window1", "destroy Window1.Window1", "withdraw pizi",
                                     "withdraw todolo", "withdraw abcd", "release MenuBar1.MenuBar1"}));
        const auto registry = rt::testing::RegistryLog();
        QCOMPARE(registry.size(), 6u);
        QCOMPARE(registry[0].name, "pizi");
        QCOMPARE(registry[0].extensions, ".jfif;.jpe;.jpeg;.jpg");
        QCOMPARE(registry[0].creator, "prvw");
        QCOMPARE(registry[1].type, "Mp3 ");
        QCOMPARE(registry[2].type, "TEXT");
        QCOMPARE(registry[2].creator, "????");
    }

    void standardMenus_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("quit") << "FileQuit" << "Quit" << "Ctrl+Q" << true;
        QTest::newRow("about") << "FileAbout" << "About" << "" << true;
        QTest::newRow("undo") << "EditUndo" << "&Undo" << "Ctrl+Z" << false;
        QTest::newRow("cut") << "EditCut" << "Cu&t" << "Ctrl+X" << false;
        QTest::newRow("copy") << "EditCopy" << "&Copy" << "Ctrl+C" << false;
        QTest::newRow("paste") << "EditPaste" << "&Paste" << "Ctrl+V" << false;
        QTest::newRow("clear") << "EditClear" << "Clear" << "" << false;
        QTest::newRow("select all") << "EditSelectAll" << "Select All" << "Ctrl+A" << false;
    }

    void standardMenus()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QString, shortcut);
        QFETCH(bool, enabled);
        RunProgram([&] {
            auto window = Window1::Instance();
            QAction* action = rt::testing::ActionOf(*window, item.toStdString());
            QVERIFY(action);
            QCOMPARE(action->text(), text);
            QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), shortcut);
            // Menus enable their items as they open.
            auto* menuBar = rt::testing::WidgetOf(*window)->findChild<QMenuBar*>();
            const auto menus = menuBar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
            QCOMPARE(menus.size(), 2);
            QCOMPARE(menus[0]->title(), "&File");
            QCOMPARE(menus[1]->title(), "&Edit");
            for (QMenu* menu : menus)
                emit menu->aboutToShow();
            QCOMPARE(action->isEnabled(), enabled);
            rt::Quit(0);
        });
    }

    void editMenuOrder()
    {
        RunProgram([] {
            auto* menuBar = WidgetOf("Window1.Window1")->findChild<QMenuBar*>();
            QStringList texts;
            for (QAction* a : menuBar->actions()[1]->menu()->actions())
                texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
            QCOMPARE(texts, (QStringList{"&Undo", "-", "Cu&t", "&Copy", "&Paste", "Clear", "Select All"}));
            rt::Quit(0);
        });
    }

    void controlQQuitsAtOnce()
    {
        bool sawMessage = false;
        const int status = RunProgram([&] {
            QWidget* top = WidgetOf("Window1.Window1");
            QVERIFY(QTest::qWaitForWindowActive(top));
            OnNextModal([&](QWidget* modal) {
                sawMessage = true;
                modal->close();
            });
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
            QVERIFY(rt::testing::QuitRequested());
        });
        QCOMPARE(status, 0);
        QVERIFY(!sawMessage);
    }

    void escapePressesQuitAfterThankYou()
    {
        bool runningDuringMessage = false;
        const int status = RunProgram([&] {
            QWidget* top = WidgetOf("Window1.Window1");
            QVERIFY(QTest::qWaitForWindowActive(top));
            auto text = std::make_shared<QString>();
            auto title = std::make_shared<QString>();
            OnNextModal([&, text, title](QWidget* modal) {
                runningDuringMessage = !rt::testing::QuitRequested();
                auto* box = qobject_cast<QMessageBox*>(modal);
                *text = box ? box->text() : QStringLiteral("<not a message box>");
                *title = modal->windowTitle();
                modal->close();
            });
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QCOMPARE(*text, "Thank You");
            // The program's name, not the executable's.
            QCOMPARE(*title, "Vexorin");
        });
        QCOMPARE(status, 0);
        QVERIFY(runningDuringMessage);
    }

    void returnWithPromptsDoesNothing()
    {
        RunProgram([] {
            QWidget* top = WidgetOf("Window1.Window1");
            QVERIFY(QTest::qWaitForWindowActive(top));
            bool sawModal = false;
            OnNextModal([&](QWidget* modal) {
                sawModal = true;
                modal->close();
            });
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            // A message or a window that Return set off, at once or posted for
            // later, has come up once the posted events have run.
            QCoreApplication::sendPostedEvents();
            QVERIFY(!sawModal);
            QCOMPARE(OpenTitles(), QStringList{"Vexorin 2.1"});
            rt::Quit(0);
        });
    }

    void closingTheMainWindowEndsTheProgram()
    {
        const int status = RunProgram([] {
            QWidget* top = WidgetOf("Window1.Window1");
            QVERIFY(QTest::qWaitForWindowExposed(top));
            top->close();
            QVERIFY(!OpenWindow("Window1.Window1"));
        });
        QCOMPARE(status, 0);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
