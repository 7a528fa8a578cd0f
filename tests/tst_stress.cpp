// A seeded random user drives the whole program: popups, every button of the
// window in front, keys, menus, close boxes, message boxes and the save
// dialog. After every action the program's invariants must hold, and the
// action must have done what the user asked of it: the windows it opens and
// closes, its messages, the saved logo, the clipboard and the web address.
// VX_STRESS_SEED and VX_STRESS_STEPS repeat or lengthen a run, and the
// test's time limit grows with its steps; VX_STRESS_TRACE prints every step.
#include "ProgramTest.h"
#include "TestFiles.h"

#include "CheatWindow.h"
#include "Window1.h"
#include "Window3.h"
#include "Window4.h"

#include "rt/Application.h"

#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <limits>
#include <map>
#include <random>
#include <set>

using namespace vxtest;

namespace {

// What a user knows of the program from its rules, not from its code.
namespace rules {

// The short game names of the cheat windows' titles, by game row (1 to 6),
// and the platform rows (1 to 3).
const char* const kGameTitles[] = {"Duskvale 1",   "Duskvale 2",        "Duskvale 3",
                                   "Duskvale OSV", "Duskvale Wendrith", "Duskvale SKH"};
const char* const kPlatforms[] = {"Mac n PC", "Play Station", "Other"};
const QString kNoOther = QStringLiteral("There is no Other");
const QString kMakerAddress = QStringLiteral("http://pemberlyn.example.com");
const QSize kLogoSize(123, 183);

// Duskvale 2, Duskvale 3 and Duskvale Skarnholt have no text for "Other".
bool HasCheatWindow(int game, int platform)
{
    return !(platform == 3 && (game == 2 || game == 3 || game == 6));
}

// Window6 to Window20 take the pairs that have a text, the games in popup
// order and the platforms in popup order within each game.
std::string CheatWindowClass(int game, int platform)
{
    int number = 6;
    for (int pair = 0; pair < (game - 1) * 3 + platform - 1; ++pair)
        number += HasCheatWindow(pair / 3 + 1, pair % 3 + 1) ? 1 : 0;
    return QStringLiteral("Window%1.Window%1").arg(number).toStdString();
}

QString CheatTitle(int game, int platform)
{
    return QStringLiteral("%1 %2").arg(kGameTitles[game - 1], kPlatforms[platform - 1]);
}

// Each open window is three top-level widgets to the toolkit: the window and
// its two menus. Besides them there are the lists of the main window's two
// popup menus and perhaps a tooltip.
constexpr qsizetype kTopLevelsPerWindow = 3;
constexpr qsizetype kOtherTopLevels = 3;

} // namespace rules

enum class Kind { Main, Cheat, About, History };

Kind KindOf(const rt::Window& window)
{
    const std::string& name = window.ClassName();
    if (name == Window1::kClassName)
        return Kind::Main;
    if (name == Window3::kClassName)
        return Kind::About;
    if (name == Window4::kClassName)
        return Kind::History;
    return Kind::Cheat;
}

QPlainTextEdit* FocusedText(QWidget* top)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != top)
        focus = top->focusWidget();
    return qobject_cast<QPlainTextEdit*>(focus);
}

// A letter with Ctrl, as a keyboard sends it: its text is the control
// character, not the letter, which a focused popup menu would otherwise take
// for type-ahead, joined to the letter before it or not as the machine's
// speed decides.
void CtrlKey(QWidget* widget, Qt::Key letter)
{
    const QChar control(static_cast<char16_t>(letter - Qt::Key_A + 1));
    QTest::sendKeyEvent(QTest::Click, widget, letter, QString(control), Qt::ControlModifier);
}

// The text that a text area was given, as its design stores it.
QString StoredText(const rt::Window& window)
{
    auto area = window.ControlAs<rt::TextArea>("EditField1");
    const auto stored = area ? area->PropertyValue("Text") : std::nullopt;
    return stored ? QString::fromStdString(std::get<std::string>(*stored)) : QString();
}

QPlainTextEdit* TextWidget(const rt::Window& window)
{
    auto area = window.ControlAs<rt::TextArea>("EditField1");
    return area ? qobject_cast<QPlainTextEdit*>(rt::testing::WidgetOf(*area)) : nullptr;
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
    std::set<const QWidget*> shown;
    for (const auto& window : rt::testing::OpenWindows()) {
        if (!classes.insert(window->ClassName()).second)
            return QStringLiteral("two windows of class %1").arg(QString::fromStdString(window->ClassName()));
        QWidget* top = rt::testing::WidgetOf(*window);
        if (!top || !top->isVisible())
            return QStringLiteral("%1 is open but not on the screen").arg(QString::fromStdString(window->Title()));
        shown.insert(top);
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
            QString shownText = edit->document()->toRawText();
            shownText.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
            const auto storedText = text->PropertyValue("Text");
            if (!storedText || text->Text() != std::get<std::string>(*storedText)
                || shownText.toStdString() != text->Text())
                return QStringLiteral("the text of %1 changed").arg(QString::fromStdString(window->Title()));
        }
        if (auto cheat = std::dynamic_pointer_cast<CheatWindow>(window.Shared())) {
            const std::size_t row = static_cast<std::size_t>(&cheat->Design() - kCheatDesigns.data());
            if (cheat->EditField1()->Text() != CheatText(row))
                return QStringLiteral("the text of %1 changed").arg(QString::fromStdString(window->Title()));
        }
    }
    if (!classes.count(Window1::kClassName))
        return QStringLiteral("the main window closed while the program runs");
    // What is on the screen is what the program has open, besides menus and tooltips.
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && !shown.count(widget) && type != Qt::Popup && type != Qt::ToolTip)
            return QStringLiteral("\"%1\" is on the screen but not open").arg(widget->windowTitle());
    }
    const auto open = rt::testing::OpenWindows();
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
    return {};
}

// One answer that the random user gave to the save dialog.
struct SaveAnswer {
    QString path; // empty: cancelled
    bool existed = false;
};

// What one action must do. Whatever it does not name must stay as it was:
// the open windows, the messages, the addresses handed to the browser, the
// save dialog and the clipboard.
struct Expectation {
    QString action;           // what the user did, for the report
    std::string opens;        // the window class that must then be open and in front
    QString title;            // and its title
    std::string closes;       // the window class that must then be gone
    QStringList messages;     // the message boxes that must come up
    int addresses = 0;        // times the maker's address must be handed over
    bool saveDialog = false;  // whether the save dialog must come up
    QString clipboard;        // what the clipboard must hold afterwards
    QPlainTextEdit* selectsAll = nullptr; // a text that must then be selected whole
    QString wholeText;
};

// What the user saw before the action.
struct Before {
    std::map<std::string, QPointer<QWidget>> open; // by window class
    qsizetype messages = 0;
    qsizetype questions = 0;
    qsizetype dialogs = 0;
    qsizetype addresses = 0;
    std::size_t answers = 0;
};

std::map<std::string, QPointer<QWidget>> OpenByClass()
{
    std::map<std::string, QPointer<QWidget>> open;
    for (const auto& window : rt::testing::OpenWindows())
        open.emplace(window->ClassName(), rt::testing::WidgetOf(*window));
    return open;
}

QString Names(const std::set<std::string>& classes)
{
    QStringList names;
    for (const std::string& name : classes)
        names << QString::fromStdString(name).section(QLatin1Char('.'), 0, 0);
    return names.join(QLatin1String(", "));
}

// The selection of a text area, as the clipboard must get it: taken from the
// text the area was given, with the platform's line breaks.
QString SelectionOf(const QPlainTextEdit& edit, const QString& stored)
{
    const QTextCursor cursor = edit.textCursor();
    QString text = stored.mid(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString CheckEffect(const Expectation& expect, const Before& before, const DialogAnswerer& answerer,
                    const QList<QUrl>& addresses, const std::vector<SaveAnswer>& answers)
{
    const QString& action = expect.action;
    const auto now = OpenByClass();
    std::set<std::string> expected;
    std::set<std::string> actual;
    for (const auto& [name, widget] : before.open)
        expected.insert(name);
    for (const auto& [name, widget] : now)
        actual.insert(name);
    expected.erase(expect.closes);
    if (!expect.opens.empty())
        expected.insert(expect.opens);
    if (actual != expected)
        return QStringLiteral("%1: open are %2, expected %3").arg(action, Names(actual), Names(expected));

    if (!expect.opens.empty()) {
        const auto front = rt::testing::OpenWindows().front();
        if (front->ClassName() != expect.opens)
            return QStringLiteral("%1: %2 is in front").arg(action, QString::fromStdString(front->Title()));
        if (QString::fromStdString(front->Title()) != expect.title)
            return QStringLiteral("%1: the window is titled \"%2\"").arg(action, QString::fromStdString(front->Title()));
        if (const auto was = before.open.find(expect.opens); was != before.open.end() && was->second != now.at(expect.opens))
            return QStringLiteral("%1: a new window replaced the open one").arg(action);
    }
    if (!expect.closes.empty()) {
        const QPointer<QWidget>& widget = before.open.at(expect.closes);
        if (widget && widget->isVisible())
            return QStringLiteral("%1: the closed window is still on the screen").arg(action);
        if (rt::GetImplicitWindow(expect.closes))
            return QStringLiteral("%1: the closed window is still the program's").arg(action);
    }

    const QStringList messages = answerer.messages.mid(before.messages);
    if (messages != expect.messages)
        return QStringLiteral("%1: messages [%2], expected [%3]")
            .arg(action, messages.join(QLatin1String(", ")), expect.messages.join(QLatin1String(", ")));

    const QList<QUrl> handed = addresses.mid(before.addresses);
    if (handed.size() != expect.addresses)
        return QStringLiteral("%1: %2 addresses handed to the browser").arg(action).arg(handed.size());
    for (const QUrl& url : handed) {
        if (url.toString() != rules::kMakerAddress)
            return QStringLiteral("%1: handed %2 to the browser").arg(action, url.toString());
    }

    const qsizetype dialogs = answerer.proposedNames.size() - before.dialogs;
    if (dialogs != (expect.saveDialog ? 1 : 0))
        return QStringLiteral("%1: %2 save dialogs came up").arg(action).arg(dialogs);
    if (dialogs && answerer.proposedNames.last() != QLatin1String("Logo.jpg"))
        return QStringLiteral("%1: the save dialog proposed \"%2\"").arg(action, answerer.proposedNames.last());
    qsizetype replacing = 0;
    for (std::size_t i = before.answers; i < answers.size(); ++i) {
        const SaveAnswer& answer = answers[i];
        if (answer.path.isEmpty())
            continue;
        replacing += answer.existed ? 1 : 0;
        QImageReader reader(answer.path);
        const QByteArray format = reader.format();
        const QImage saved = reader.read();
        if (format != "jpeg" || saved.size() != rules::kLogoSize)
            return QStringLiteral("%1: %2 holds no %3 x %4 JPEG").arg(action, answer.path)
                .arg(rules::kLogoSize.width()).arg(rules::kLogoSize.height());
    }
    const qsizetype asked = answerer.questions.size() - before.questions;
    if (asked != replacing)
        return QStringLiteral("%1: asked %2 times whether to replace, for %3 existing files")
            .arg(action).arg(asked).arg(replacing);

    if (QGuiApplication::clipboard()->text() != expect.clipboard) {
        auto shown = [](QString text) { return text.left(40).replace(QLatin1Char('\n'), QLatin1String("\\n")); };
        return QStringLiteral("%1: the clipboard holds \"%2\", expected \"%3\"")
            .arg(action, shown(QGuiApplication::clipboard()->text()), shown(expect.clipboard));
    }

    if (expect.selectsAll) {
        const QTextCursor cursor = expect.selectsAll->textCursor();
        if (cursor.selectionStart() != 0 || cursor.selectionEnd() != expect.wholeText.size())
            return QStringLiteral("%1: selected %2 to %3 of %4 characters").arg(action)
                .arg(cursor.selectionStart()).arg(cursor.selectionEnd()).arg(expect.wholeText.size());
    }
    return {};
}

// What pressing a button of this caption in this window must do.
void PressExpectation(Kind kind, const QString& caption, const rt::Window& front, Expectation& expect)
{
    switch (kind) {
    case Kind::Main: {
        if (caption != QLatin1String("View"))
            break;
        // The pair is what the two popups show as the button is pressed.
        auto main = rt::CheckCast<Window1>(rt::GetImplicitWindow(Window1::kClassName));
        const int game = qobject_cast<QComboBox*>(rt::testing::WidgetOf(*main->PopupMenu1()))->currentIndex();
        const int platform = qobject_cast<QComboBox*>(rt::testing::WidgetOf(*main->PopupMenu2()))->currentIndex();
        expect.action += QStringLiteral(" (rows %1, %2)").arg(game).arg(platform);
        if (game == 0 || platform == 0) {
            // a prompt row: nothing happens
        } else if (rules::HasCheatWindow(game, platform)) {
            expect.opens = rules::CheatWindowClass(game, platform);
            expect.title = rules::CheatTitle(game, platform);
        } else {
            expect.messages << rules::kNoOther;
        }
        break;
    }
    case Kind::Cheat:
        if (caption == QLatin1String("Close"))
            expect.closes = front.ClassName();
        break;
    case Kind::About:
        if (caption == QLatin1String("OK")) {
            expect.closes = front.ClassName();
        } else if (caption == QLatin1String("V H")) {
            expect.opens = Window4::kClassName;
            expect.title = QStringLiteral("Version History");
        } else if (caption == QLatin1String("Visit Website")) {
            expect.addresses = 1;
        }
        break;
    case Kind::History:
        if (caption == QLatin1String("OK"))
            expect.closes = front.ClassName();
        break;
    }
}

// The random user: acts on the window in front, then checks what came of it.
class RandomUser {
public:
    RandomUser(unsigned seed, const QString& folder, const QList<QUrl>& addresses)
        : random_(seed), folder_(folder), addresses_(addresses),
          answerer_([this](QFileDialog& dialog) { return AnswerSaveDialog(dialog); })
    {
    }

    // One step; returns what went wrong, or nothing.
    QString Step(int step, bool trace)
    {
        if (QString failure = Settle(); !failure.isEmpty())
            return failure;
        const auto open = rt::testing::OpenWindows();
        const auto& front = open.front();
        QWidget* top = rt::testing::WidgetOf(*front);
        // Keys go to the window in front, as they would to the window a user sees there.
        if (QApplication::activeWindow() != top) {
            top->activateWindow();
            if (!QTest::qWaitForWindowActive(top))
                return QStringLiteral("%1 never became active").arg(QString::fromStdString(front->Title()));
        }
        const Before before{OpenByClass(),
                            answerer_.messages.size(),
                            answerer_.questions.size(),
                            answerer_.proposedNames.size(),
                            addresses_.size(),
                            answers_.size()};
        QGuiApplication::clipboard()->setText(kUntouched);
        const Expectation expect = Act(open);
        if (trace)
            qInfo("step %d: %s", step, qPrintable(expect.action.isEmpty() ? QStringLiteral("nothing") : expect.action));
        QCoreApplication::processEvents();
        QString failure = CheckInvariants();
        if (failure.isEmpty())
            failure = CheckEffect(expect, before, answerer_, addresses_, answers_);
        if (failure.isEmpty() && !expect.closes.empty()) {
            closed_.emplace_back(before.open.at(expect.closes), QString::fromStdString(front->Title()));
            ++closes_;
        }
        return failure;
    }

    QString Summary() const
    {
        const auto saved = std::count_if(answers_.begin(), answers_.end(), [](const SaveAnswer& a) { return !a.path.isEmpty(); });
        return QStringLiteral("%1 messages, %2 saves, %3 replaced, %4 windows closed, at most %5 top-level widgets, "
                              "%6 windows open at the end")
            .arg(answerer_.messages.size()).arg(saved).arg(answerer_.questions.size()).arg(closes_)
            .arg(mostTopLevels_).arg(rt::testing::OpenWindows().size());
    }

private:
    // Between steps no window event is on the stack: closed windows go now,
    // and so must every widget they had.
    QString Settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const auto& [widget, title] : closed_) {
            if (widget)
                return QStringLiteral("the closed window \"%1\" was never destroyed").arg(title);
        }
        closed_.clear();
        const auto open = static_cast<qsizetype>(rt::testing::OpenWindows().size());
        if (open == 0)
            return QStringLiteral("every window closed");
        const qsizetype topLevels = QApplication::topLevelWidgets().size();
        mostTopLevels_ = std::max(mostTopLevels_, topLevels);
        if (topLevels > rules::kTopLevelsPerWindow * open + rules::kOtherTopLevels)
            return QStringLiteral("%1 top-level widgets for %2 open windows").arg(topLevels).arg(open);
        return {};
    }

    // Does one random thing to the window in front and says what must come of it.
    Expectation Act(const std::vector<rt::Ref<rt::Window>>& open)
    {
        const auto& front = open.front();
        QWidget* top = rt::testing::WidgetOf(*front);
        const Kind kind = KindOf(*front);
        QWidget* focus = QApplication::focusWidget() && QApplication::focusWidget()->window() == top
            ? QApplication::focusWidget() : top;
        const QString in = QStringLiteral(" in ") + QString::fromStdString(front->Title());
        Expectation expect;
        expect.clipboard = kUntouched;
        switch (random_() % 12) {
        case 0: { // choose popup rows in the main window
            auto main = rt::CheckCast<Window1>(rt::GetImplicitWindow(Window1::kClassName));
            const int game = static_cast<int>(random_() % 7);
            const int platform = static_cast<int>(random_() % 4);
            expect.action = QStringLiteral("choose rows %1, %2").arg(game).arg(platform);
            main->PopupMenu1()->SetListIndex(game);
            main->PopupMenu2()->SetListIndex(platform);
            break;
        }
        case 1:
        case 2: { // click a button of the window in front, but never the main window's "Quit"
            auto buttons = ContentOf(*front)->findChildren<QPushButton*>();
            if (kind == Kind::Main)
                buttons.removeIf([](QPushButton* b) { return b->text() == "Quit"; });
            if (buttons.isEmpty())
                break;
            QPushButton* button = buttons[static_cast<int>(random_() % buttons.size())];
            expect.action = QStringLiteral("click \"%1\"").arg(button->text()) + in;
            PressExpectation(kind, button->text(), *front, expect);
            QTest::mouseClick(button, Qt::LeftButton);
            break;
        }
        case 3: // Return presses the default button: "View", or "OK" in About and Version History
            expect.action = QStringLiteral("Return") + in;
            if (kind != Kind::Cheat)
                PressExpectation(kind, kind == Kind::Main ? "View" : "OK", *front, expect);
            QTest::keyClick(focus, Qt::Key_Return);
            break;
        case 4: // Escape presses the cancel button; in the main window that is "Quit"
            if (kind == Kind::Main)
                break;
            expect.action = QStringLiteral("Escape") + in;
            if (kind != Kind::Cheat)
                PressExpectation(kind, "OK", *front, expect);
            QTest::keyClick(focus, Qt::Key_Escape);
            break;
        case 5:
            expect.action = QStringLiteral("Tab") + in;
            QTest::keyClick(focus, Qt::Key_Tab);
            break;
        case 6:
            expect.action = QStringLiteral("Ctrl+A") + in;
            if (kind == Kind::Cheat) {
                expect.selectsAll = TextWidget(*front);
                expect.wholeText = StoredText(*front);
            }
            CtrlKey(focus, Qt::Key_A);
            break;
        case 7:
            if (random_() % 2) {
                expect.action = QStringLiteral("Ctrl+C") + in;
                if (const QPlainTextEdit* edit = FocusedText(top); edit && edit->textCursor().hasSelection())
                    expect.clipboard = SelectionOf(*edit, StoredText(*front));
                CtrlKey(focus, Qt::Key_C);
            } else {
                expect.action = QStringLiteral("Ctrl+S") + in;
                expect.saveDialog = kind == Kind::About;
                CtrlKey(focus, Qt::Key_S);
            }
            break;
        case 8:
            expect.action = QStringLiteral("File > About") + in;
            if (kind == Kind::Main) {
                expect.opens = Window3::kClassName;
                expect.title = QStringLiteral("About");
            }
            ChooseMenuItem(*front, "FileAbout");
            break;
        case 9: // the close box; only the cheat windows have one, and the main window stays
            if (kind == Kind::Main)
                break;
            expect.action = QStringLiteral("close box") + in;
            if (kind == Kind::Cheat)
                expect.closes = front->ClassName();
            top->close();
            break;
        case 10: // a double click on a word of the text
            if (QPlainTextEdit* text = TextWidget(*front)) {
                QWidget* area = text->viewport();
                const QPoint at(static_cast<int>(random_() % static_cast<unsigned>(area->width())),
                                static_cast<int>(random_() % static_cast<unsigned>(area->height())));
                expect.action = QStringLiteral("double click") + in;
                QTest::mouseDClick(area, Qt::LeftButton, {}, at);
            }
            break;
        case 11: // bring a window behind to the front, as a click on it would
            if (open.size() > 1) {
                const auto& behind = open[1 + random_() % (open.size() - 1)];
                expect.action = QStringLiteral("bring %1 forward").arg(QString::fromStdString(behind->Title()));
                expect.opens = behind->ClassName();
                expect.title = QString::fromStdString(behind->Title());
                rt::testing::WidgetOf(*behind)->activateWindow();
                // Whether it came forward is for the check that follows to say.
                (void)QTest::qWaitForWindowActive(rt::testing::WidgetOf(*behind));
            }
            break;
        }
        return expect;
    }

    bool AnswerSaveDialog(QFileDialog& dialog)
    {
        if (random_() % 2) {
            answers_.push_back({});
            return false;
        }
        const QString path = QStringLiteral("%1/logo-%2.jpg").arg(folder_).arg(random_() % 3);
        const bool existed = QFile::exists(path);
        // A save that wrote nothing must not pass for one that did.
        if (existed)
            WriteAll(path, "an older file");
        answers_.push_back({path, existed});
        dialog.selectFile(path);
        return true;
    }

    inline static const QString kUntouched = QStringLiteral("<what the clipboard held before>");
    std::mt19937 random_;
    QString folder_;
    const QList<QUrl>& addresses_;
    std::vector<SaveAnswer> answers_;
    DialogAnswerer answerer_;
    std::vector<std::pair<QPointer<QWidget>, QString>> closed_; // widget, title
    qsizetype mostTopLevels_ = 0;
    int closes_ = 0;
};

int StepsToRun()
{
    return qEnvironmentVariableIsSet("VX_STRESS_STEPS") ? qEnvironmentVariableIntValue("VX_STRESS_STEPS") : 10000;
}

// Qt Test ends a test function that outlasts QTEST_FUNCTION_TIMEOUT, five
// minutes unless set, which a long run under load does. So the run's limit
// is its own: two minutes for the start and the end, and 10 ms a step, some
// five times what a step takes in the sanitizer build. A limit set by hand
// stands.
void LimitTheRunBySteps(int steps)
{
    if (qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        return;
    const qint64 ms = 120'000 + 10 * qint64{std::max(steps, 0)};
    qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::min<qint64>(ms, std::numeric_limits<int>::max())));
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
        const int steps = StepsToRun();
        const bool trace = qEnvironmentVariableIsSet("VX_STRESS_TRACE");
        qInfo("seed %u, %d steps (repeat with VX_STRESS_SEED=%u)", seed, steps, seed);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QString failure;
        int step = 0;

        const int status = RunProgram([&] {
            RandomUser user(seed, folder.path(), urls);
            for (step = 0; step < steps; ++step) {
                failure = user.Step(step, trace);
                if (!failure.isEmpty())
                    break;
            }
            qInfo("%d steps, %s", step, qPrintable(user.Summary()));
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
    }

private:
    QList<QUrl> urls;
};

int main(int argc, char** argv)
{
    // Qt Test reads its limit once, as it starts the first test function.
    LimitTheRunBySteps(StepsToRun());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QTEST_SET_MAIN_SOURCE_PATH
    StressTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_stress.moc"
