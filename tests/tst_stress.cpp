// A seeded random user drives the whole program: popups, every button of the
// window in front, keys, menus, close boxes, message boxes and the save
// dialog. After every action the program's invariants must hold.
// VX_STRESS_SEED and VX_STRESS_STEPS repeat or lengthen a run.
#include "AboutSteps.h"
#include "ProgramTest.h"

#include "CheatWindow.h"
#include "Window1.h"

#include "rt/Application.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <random>
#include <set>

using namespace vxtest;

namespace {

QPlainTextEdit* FocusedText(QWidget* top)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != top)
        focus = top->focusWidget();
    return qobject_cast<QPlainTextEdit*>(focus);
}

// What the front window's menu must offer: its own handlers, Quit, and the
// Edit commands that apply to its focused text.
bool ExpectedEnabled(const rt::Window& window, const std::string& item, QWidget* top)
{
    if (item == "FileQuit" || window.HasMenuHandler(item))
        return true;
    const QPlainTextEdit* edit = FocusedText(top);
    if (!edit)
        return false;
    if (item == "EditCopy")
        return edit->textCursor().hasSelection();
    if (item == "EditSelectAll")
        return !edit->document()->isEmpty();
    return false; // every text of the program is read-only
}

QString CheckInvariants()
{
    std::set<std::string> classes;
    for (const auto& window : rt::testing::OpenWindows()) {
        if (!classes.insert(window->ClassName()).second)
            return QStringLiteral("two windows of class %1").arg(QString::fromStdString(window->ClassName()));
        const auto title = window->PropertyValue("Title");
        if (!title || std::get<std::string>(*title) != window->Title())
            return QStringLiteral("window title changed: %1").arg(QString::fromStdString(window->Title()));
        const QSize stored(std::get<std::int32_t>(*window->PropertyValue("Width")),
                           std::get<std::int32_t>(*window->PropertyValue("Height")));
        if (ContentOf(*window)->size() != stored)
            return QStringLiteral("%1 has content %2x%3").arg(QString::fromStdString(window->Title()))
                .arg(ContentOf(*window)->width()).arg(ContentOf(*window)->height());
        // Every text area shows its stored text, unchanged.
        if (auto text = window->ControlAs<rt::TextArea>("EditField1")) {
            auto* edit = qobject_cast<QPlainTextEdit*>(rt::testing::WidgetOf(*text));
            QString shown = edit->document()->toRawText();
            shown.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
            const auto stored = text->PropertyValue("Text");
            if (!stored || text->Text() != std::get<std::string>(*stored) || shown.toStdString() != text->Text())
                return QStringLiteral("the text of %1 changed").arg(QString::fromStdString(window->Title()));
        }
        if (auto cheat = std::dynamic_pointer_cast<CheatWindow>(window.Shared())) {
            const std::size_t row = static_cast<std::size_t>(&cheat->Design() - kCheatDesigns.data());
            if (cheat->EditField1()->Text() != CheatText(row))
                return QStringLiteral("the text of %1 changed").arg(QString::fromStdString(window->Title()));
        }
    }
    const auto open = rt::testing::OpenWindows();
    if (!open.empty()) {
        const auto& front = open.front();
        QWidget* top = rt::testing::WidgetOf(*front);
        if (QApplication::activeWindow() == top) {
            rt::testing::UpdateMenus(*front);
            for (QAction* action : top->findChildren<QAction*>()) {
                const std::string name = action->objectName().toStdString();
                if (name.empty())
                    continue;
                if (action->isEnabled() != ExpectedEnabled(*front, name, top))
                    return QStringLiteral("%1 is %2 in %3").arg(action->objectName(),
                        action->isEnabled() ? "enabled" : "disabled", QString::fromStdString(front->Title()));
            }
        }
    }
    return {};
}

} // namespace

class StressTest : public QObject {
    Q_OBJECT

public slots:
    // "Visit Website" lands here instead of in a browser.
    void openUrl(const QUrl& url) { urls << url; }

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler("http", this, "openUrl"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("http"); }
    void cleanup() { CheckNoWindowsLeft(); }

    void randomUser()
    {
        const unsigned seed = qEnvironmentVariableIsSet("VX_STRESS_SEED")
            ? qEnvironmentVariable("VX_STRESS_SEED").toUInt() : 20261210u;
        const int steps = qEnvironmentVariableIsSet("VX_STRESS_STEPS")
            ? qEnvironmentVariableIntValue("VX_STRESS_STEPS") : 10000;
        qInfo("seed %u, %d steps (repeat with VX_STRESS_SEED=%u)", seed, steps, seed);
        std::mt19937 random(seed);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QString failure;
        int step = 0;
        const bool trace = qEnvironmentVariableIsSet("VX_STRESS_TRACE");

        const int status = RunProgram([&] {
            int saves = 0;
            DialogAnswerer answerer([&](QFileDialog& dialog) {
                if (random() % 2)
                    return false;
                ++saves;
                dialog.selectFile(QStringLiteral("%1/logo-%2.jpg").arg(folder.path()).arg(random() % 3));
                return true;
            });
            for (step = 0; step < steps && failure.isEmpty(); ++step) {
                const auto open = rt::testing::OpenWindows();
                if (open.empty()) {
                    failure = "every window closed";
                    break;
                }
                const auto front = open.front();
                QWidget* top = rt::testing::WidgetOf(*front);
                const bool isMain = front->ClassName() == Window1::kClassName;
                if (QApplication::activeWindow() != top)
                    top->activateWindow();
                QWidget* focus = QApplication::focusWidget() && QApplication::focusWidget()->window() == top
                    ? QApplication::focusWidget() : top;
                const unsigned action = random() % 10;
                if (trace)
                    qInfo("step %d: action %u in %s", step, action, front->Title().c_str());
                switch (action) {
                case 0: // choose popup rows in the main window
                    if (auto main = rt::CheckCast<Window1>(rt::GetImplicitWindow(Window1::kClassName))) {
                        main->PopupMenu1()->SetListIndex(static_cast<int>(random() % 7));
                        main->PopupMenu2()->SetListIndex(static_cast<int>(random() % 4));
                    }
                    break;
                case 1:
                case 2: { // click a button of the window in front, but never the main window's "Quit"
                    auto buttons = ContentOf(*front)->findChildren<QPushButton*>();
                    if (isMain)
                        buttons.removeIf([](QPushButton* b) { return b->text() == "Quit"; });
                    if (!buttons.isEmpty())
                        QTest::mouseClick(buttons[static_cast<int>(random() % buttons.size())], Qt::LeftButton);
                    break;
                }
                case 3: QTest::keyClick(focus, Qt::Key_Return); break;
                case 4:
                    if (!isMain) // Escape in the main window is its "Quit"
                        QTest::keyClick(focus, Qt::Key_Escape);
                    break;
                case 5: QTest::keyClick(focus, Qt::Key_Tab); break;
                case 6: QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier); break;
                case 7: QTest::keyClick(focus, random() % 2 ? Qt::Key_C : Qt::Key_S, Qt::ControlModifier); break;
                case 8: ChooseMenuItem(*front, "FileAbout"); break;
                case 9: // the close box, where there is one; the main window stays
                    if (!isMain)
                        top->close();
                    break;
                }
                QCoreApplication::processEvents();
                failure = CheckInvariants();
                for (const QString& message : answerer.messages) {
                    if (failure.isEmpty() && message != "There is no Other")
                        failure = "unexpected message: " + message;
                }
            }
            qInfo("%d steps, %d messages, %d saves, %d replaced, %d windows open at the end", step,
                  static_cast<int>(answerer.messages.size()), saves, static_cast<int>(answerer.questions.size()),
                  static_cast<int>(rt::testing::OpenWindows().size()));
            // The last step: Ctrl+Q in the window in front.
            if (failure.isEmpty()) {
                QWidget* top = rt::testing::WidgetOf(*rt::testing::OpenWindows().front());
                top->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(top));
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : top, Qt::Key_Q,
                                Qt::ControlModifier);
            }
        });
        QVERIFY2(failure.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, step %2: %3").arg(seed).arg(step).arg(failure)));
        QCOMPARE(status, 0);
        for (const QUrl& url : urls)
            QCOMPARE(url.scheme(), "http");
    }

private:
    QList<QUrl> urls;
};

QTEST_MAIN(StressTest)
#include "tst_stress.moc"
