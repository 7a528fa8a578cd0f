// The cheat windows: their built-in texts, the catalogue behind "View", one
// window per pair, Select All, and the keys a cheat window leaves alone.
#include "ProgramTest.h"

#include "CheatCatalogue.h"
#include "CheatWindow.h"
#include "Window1.h"

#include "rt/Application.h"

#include <QClipboard>
#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPalette>
#include <QScrollBar>
#include <QTest>

using namespace vxtest;

namespace {

std::string SourceText(int windowNumber)
{
    QFile file(qEnvironmentVariable("VX_SOURCE_DIR") + QStringLiteral("/cheats/texts/Window%1.txt").arg(windowNumber));
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll().toStdString();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string current;
    for (char c : text) {
        if (c == '\r') {
            lines.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!text.empty() && text.back() != '\r')
        lines.push_back(current);
    return lines;
}

// Chooses a game and a platform by row (0 is the prompt) and clicks "View".
void View(int gameRow, int platformRow)
{
    auto main = Window1::Instance();
    main->PopupMenu1()->SetListIndex(gameRow);
    main->PopupMenu2()->SetListIndex(platformRow);
    QTest::mouseClick(rt::testing::WidgetOf(*main->PushButton1()), Qt::LeftButton);
}

rt::Ref<CheatWindow> Front()
{
    const auto open = rt::testing::OpenWindows();
    return open.empty() ? rt::Ref<CheatWindow>() : rt::CheckCast<CheatWindow>(open.front());
}

QPlainTextEdit* TextWidget(const CheatWindow& window)
{
    return qobject_cast<QPlainTextEdit*>(rt::testing::WidgetOf(*window.EditField1()));
}

QPushButton* CloseWidget(const CheatWindow& window)
{
    auto button = std::string(window.Design().buttonName) == "PushButton1" ? window.PushButton1() : window.PushButton2();
    return qobject_cast<QPushButton*>(rt::testing::WidgetOf(*button));
}

} // namespace

class CheatsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CheckNoWindowsLeft(); }

    void textShapes_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("characters");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("endsWithCR");
        QTest::addColumn<int>("shortFirstLine"); // 0: none
        QTest::addColumn<bool>("twoLinesInARow");
        QTest::addColumn<bool>("endsWithEmptyLine");
        const struct {
            int number, bytes, characters, lines;
            bool cr;
            int shortFirst;
            bool pair, emptyEnd;
        } rows[] = {
            {6, 699, 699, 6, false, 0, true, false},       {7, 829, 829, 9, true, 0, false, false},
            {8, 285, 285, 4, false, 4, false, false},      {9, 792, 792, 9, false, 0, false, false},
            {10, 1392, 1392, 11, false, 0, false, false},  {11, 561, 561, 7, false, 0, false, false},
            {12, 1340, 1340, 9, false, 0, false, false},   {13, 1275, 1275, 8, true, 0, false, true},
            {14, 1338, 1338, 7, true, 0, false, false},    {15, 1359, 1359, 10, false, 9, false, false},
            {16, 1969, 1969, 9, false, 0, false, false},   {17, 2030, 2030, 20, true, 0, false, true},
            {18, 771, 771, 9, false, 0, false, false},     {19, 413, 413, 6, false, 0, true, false},
            {20, 3195, 3010, 44, false, 0, false, false},
        };
        for (const auto& r : rows) {
            QTest::addRow("Window%d", r.number) << r.number << r.bytes << r.characters << r.lines << r.cr
                                                << r.shortFirst << r.pair << r.emptyEnd;
        }
    }

    void textShapes()
    {
        QFETCH(int, number);
        QFETCH(int, bytes);
        QFETCH(int, characters);
        QFETCH(int, lines);
        QFETCH(bool, endsWithCR);
        QFETCH(int, shortFirstLine);
        QFETCH(bool, twoLinesInARow);
        QFETCH(bool, endsWithEmptyLine);

        const std::string text(CheatText(static_cast<std::size_t>(number - 6)));
        QVERIFY2(text == SourceText(number), "the built-in text differs from its file");
        QCOMPARE(static_cast<int>(text.size()), bytes);
        QCOMPARE(static_cast<int>(rt::Len(text)), characters);
        const auto split = Lines(text);
        QCOMPARE(static_cast<int>(split.size()), lines);
        QCOMPARE(text.back() == '\r', endsWithCR);
        QCOMPARE(text.size() >= 2 && text.substr(text.size() - 2) == "\r\r", endsWithEmptyLine);

        for (unsigned char c : text) {
            QVERIFY2(c == '\r' || c >= 0x20, "control character other than CR");
            QVERIFY2(c != 0x7F, "DEL character");
            if (number != 20)
                QVERIFY2(c < 0x80, "non-ASCII byte outside Window20");
        }
        // Paragraphs are single lines separated by exactly one empty line.
        int pairs = 0;
        for (std::size_t i = 0; i < split.size(); ++i) {
            QVERIFY2(rt::Len(split[i]) <= 757, "line longer than 757 characters");
            if (split[i].empty()) {
                QVERIFY2(i > 0 && !split[i - 1].empty(), "empty line at the start or after another");
            } else if (i > 0 && !split[i - 1].empty()) {
                ++pairs;
            }
        }
        if (shortFirstLine) {
            QCOMPARE(static_cast<int>(split[0].size()), shortFirstLine);
            QVERIFY(!split[1].empty());
            QCOMPARE(pairs, 1);
        } else if (twoLinesInARow) {
            QCOMPARE(pairs, 1);
            QVERIFY(!split.front().empty() && !split.back().empty());
        } else if (number != 20) {
            QCOMPARE(pairs, 0);
        }
    }

    void window20Characters()
    {
        const QString text = QString::fromUtf8(CheatText(14).data(), static_cast<qsizetype>(CheatText(14).size()));
        QCOMPARE(text.count(QChar(0x00A0)), 180);
        QCOMPARE(text.count(QChar(0x00E9)), 1);
        QCOMPARE(text.count(QChar(0x2014)), 2);
        const QStringList lines = text.split(QLatin1Char('\r'));
        const QString indent(5, QChar(0x00A0));
        QStringList run;
        int withBlank = 0;
        for (const QString& line : lines) {
            if (line.startsWith(indent) || line.startsWith(QLatin1Char(' ') + indent)) {
                run << line;
                withBlank += line.startsWith(QLatin1Char(' '));
                QVERIFY(line.size() <= 81);
            }
        }
        QCOMPARE(run.size(), 36);
        QCOMPARE(withBlank, 35);
        // The run stands together, just before the last paragraph.
        const int first = static_cast<int>(lines.indexOf(run.first()));
        QCOMPARE(lines.mid(first, 36), run);
        QCOMPARE(first + 36 + 2, lines.size());
    }

    void textsTotal()
    {
        std::size_t total = 0;
        for (std::size_t row = 0; row < kCheatDesigns.size(); ++row)
            total += CheatText(row).size();
        QCOMPARE(total, std::size_t{18248});
    }

    void catalogue_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("platform");
        QTest::addColumn<QString>("title");   // of the window that opens; empty: none
        QTest::addColumn<QString>("message"); // of the message box; empty: none
        const char* games[] = {"", "Duskvale 1", "Duskvale 2", "Duskvale 3", "Duskvale OSV", "Duskvale Wendrith",
                               "Duskvale SKH"};
        const char* platforms[] = {"", "Mac n PC", "Play Station", "Other"};
        for (int g = 1; g <= 6; ++g) {
            for (int p = 1; p <= 3; ++p) {
                const bool none = p == 3 && (g == 2 || g == 3 || g == 6);
                QTest::addRow("%s / %s", games[g], platforms[p])
                    << g << p << (none ? QString() : QStringLiteral("%1 %2").arg(games[g], platforms[p]))
                    << (none ? QStringLiteral("There is no Other") : QString());
            }
        }
        QTest::newRow("game prompt") << 0 << 2 << QString() << QString();
        QTest::newRow("platform prompt") << 1 << 0 << QString() << QString();
        QTest::newRow("both prompts") << 0 << 0 << QString() << QString();
    }

    void catalogue()
    {
        QFETCH(int, game);
        QFETCH(int, platform);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QCOMPARE(RunProgram([&] {
                     QString shown;
                     OnNextModal([&](QWidget* modal) {
                         auto* box = qobject_cast<QMessageBox*>(modal);
                         shown = box ? box->text() : QStringLiteral("<other dialog>");
                         modal->close();
                     });
                     View(game, platform);
                     // What View set off, at once or posted for later, has come
                     // up once the posted events have run.
                     QCoreApplication::sendPostedEvents();
                     QCOMPARE(shown, message);
                     const QStringList expected = title.isEmpty() ? QStringList{"Vexorin 2.1"}
                                                                  : QStringList{title, "Vexorin 2.1"};
                     QCOMPARE(OpenTitles(), expected);
                     rt::Quit(0);
                 }),
                 0);
    }

    void windowDesigns_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("platform");
        QTest::addColumn<QSize>("content");
        QTest::addColumn<QRect>("text");
        QTest::addColumn<QRect>("button");
        QTest::newRow("Window6") << 1 << 1 << QSize(438, 277) << QRect(1, 2, 432, 241) << QRect(140, 249, 69, 20);
        QTest::newRow("Window9, Close first in the keyboard order")
            << 2 << 1 << QSize(350, 242) << QRect(2, 1, 344, 208) << QRect(56, 214, 69, 20);
        QTest::newRow("Window18") << 5 << 3 << QSize(362, 300) << QRect(0, -1, 359, 280) << QRect(122, 278, 69, 20);
        QTest::newRow("Window20") << 6 << 2 << QSize(370, 281) << QRect(1, 0, 362, 251) << QRect(115, 257, 69, 20);
    }

    void windowDesigns()
    {
        QFETCH(int, game);
        QFETCH(int, platform);
        QFETCH(QSize, content);
        QFETCH(QRect, text);
        QFETCH(QRect, button);
        RunProgram([&] {
            View(game, platform);
            auto window = Front();
            QVERIFY(window);
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*window)));
            QCOMPARE(ContentOf(*window)->size(), content);
            QCOMPARE(TextWidget(*window)->geometry(), text);
            QCOMPARE(CloseWidget(*window)->geometry(), button);
            QCOMPARE(CloseWidget(*window)->text(), "Close");
            QVERIFY(TextWidget(*window)->isReadOnly());
            QCOMPARE(TextWidget(*window)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(TextWidget(*window)->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QCOMPARE(TextWidget(*window)->font().pixelSize(), 12);
            // The keyboard starts on the text, wherever Close stands in the
            // keyboard order, and Tab reaches Close.
            QTRY_COMPARE(QApplication::focusWidget(), TextWidget(*window));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), CloseWidget(*window));
            rt::Quit(0);
        });
    }

    void verticalBar_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("platform");
        QTest::addColumn<bool>("overflows");
        QTest::newRow("Duskvale 1 Mac n PC, text fits") << 1 << 1 << false;
        QTest::newRow("Duskvale SKH Play Station, text overflows") << 6 << 2 << true;
    }

    // The bar is there whatever the length, enabled only while there is
    // something to scroll, and the text wraps at the same width either way.
    void verticalBar()
    {
        QFETCH(int, game);
        QFETCH(int, platform);
        QFETCH(bool, overflows);
        RunProgram([&] {
            View(game, platform);
            auto window = Front();
            QVERIFY(QTest::qWaitForWindowExposed(rt::testing::WidgetOf(*window)));
            QPlainTextEdit* edit = TextWidget(*window);
            QScrollBar* bar = edit->verticalScrollBar();
            QTRY_COMPARE(bar->isEnabled(), overflows);
            QVERIFY(bar->isVisible());
            const int wrapWidth = edit->viewport()->width();

            window->EditField1()->SetText(overflows ? "Short." : std::string(CheatText(14)));
            QTRY_COMPARE(bar->isEnabled(), !overflows);
            QVERIFY(bar->isVisible());
            QCOMPARE(edit->viewport()->width(), wrapWidth);
            rt::Quit(0);
        });
    }

    void textColours_data()
    {
        QTest::addColumn<QString>("property"); // given anew to the first window's text; empty: none
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("designed"); // the property's value in the design
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("selectionHidden");
        QTest::addColumn<bool>("shared");
        QTest::newRow("as designed") << QString() << QVariant() << QVariant() << QColor(Qt::black) << true << true;
        QTest::newRow("another text colour") << "TextColor" << QVariant(QColor(200, 0, 0)) << QVariant(QColor(Qt::black))
                                             << QColor(200, 0, 0) << true << false;
        QTest::newRow("selection shown") << "HideSelection" << QVariant(false) << QVariant(true) << QColor(Qt::black)
                                         << false << false;
    }

    // Text areas of alike colours share one palette, so that what the style
    // caches for one window's scroll bar serves the next; a text area of other
    // colours keeps its own. Either way the selection is hidden while the
    // text has not the focus.
    void textColours()
    {
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        QFETCH(QVariant, designed);
        QFETCH(QColor, text);
        QFETCH(bool, selectionHidden);
        QFETCH(bool, shared);
        auto give = [&](CheatWindow& window, const QVariant& v) {
            const QColor c = v.value<QColor>();
            const rt::Value stored = v.typeId() == QMetaType::Bool ? rt::Value(v.toBool())
                                                                    : rt::Value(rt::Color{c.red(), c.green(), c.blue()});
            window.EditField1()->SetProperties({{property.toStdString(), stored}});
        };
        auto barKey = [](const CheatWindow& window) { return TextWidget(window)->verticalScrollBar()->palette().cacheKey(); };
        RunProgram([&] {
            View(6, 2);
            auto other = Front();
            View(1, 1);
            auto first = Front();
            if (!property.isEmpty())
                give(*first, value);
            QPlainTextEdit* edit = TextWidget(*first);
            QCOMPARE(edit->palette().color(QPalette::Text), text);
            QCOMPARE(edit->palette().color(QPalette::Base), QColor(Qt::white));
            QCOMPARE(TextWidget(*other)->palette().color(QPalette::Text), QColor(Qt::black));
            QCOMPARE(barKey(*first) == barKey(*other), shared);

            const QColor highlight = QApplication::palette().color(QPalette::Inactive, QPalette::Highlight);
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*first)));
            CloseWidget(*first)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), CloseWidget(*first));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QVERIFY(first->EditField1()->SelLength() > 0);
            const QImage shown = edit->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            bool highlighted = false;
            for (int y = 0; y < shown.height() && !highlighted; ++y) {
                for (int x = 0; x < shown.width() && !highlighted; ++x)
                    highlighted = shown.pixelColor(x, y) == highlight;
            }
            QCOMPARE(highlighted, !selectionHidden);

            if (!property.isEmpty()) {
                give(*first, designed);
                QCOMPARE(barKey(*first), barKey(*other));
            }
            rt::Quit(0);
        });
    }

    void oneWindowPerPair()
    {
        RunProgram([] {
            View(1, 2);
            auto first = Front();
            QVERIFY(first);
            first->EditField1()->SetSelStart(10);
            View(3, 1); // another pair in front
            QCOMPARE(OpenTitles().first(), "Duskvale 3 Mac n PC");
            View(1, 2);
            QCOMPARE(OpenTitles(), (QStringList{"Duskvale 1 Play Station", "Duskvale 3 Mac n PC", "Vexorin 2.1"}));
            QVERIFY(Front() == first);
            QCOMPARE(first->EditField1()->SelStart(), 10); // unchanged

            QPointer<QWidget> widget = rt::testing::WidgetOf(*first);
            QTest::mouseClick(CloseWidget(*first), Qt::LeftButton);
            QVERIFY(!OpenWindow(Window7::kClassName));
            first.Clear();
            QTRY_VERIFY(!widget); // destroyed once its events have returned

            View(1, 2);
            auto fresh = Front();
            QCOMPARE(fresh->Title(), "Duskvale 1 Play Station");
            QCOMPARE(fresh->EditField1()->SelStart(), 0);
            QCOMPARE(fresh->EditField1()->Text(), std::string(CheatText(1)));

            // The close box closes too, and runs nothing of the window.
            rt::testing::WidgetOf(*fresh)->close();
            QVERIFY(!OpenWindow(Window7::kClassName));
            rt::Quit(0);
        });
    }

    void selectAll_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("platform");
        QTest::addColumn<int>("length");
        QTest::newRow("Window20, not ASCII") << 6 << 2 << 3010;
        QTest::newRow("Window13, two final CRs") << 4 << 1 << 1275;
        QTest::newRow("Window17, two final CRs") << 5 << 2 << 2030;
        QTest::newRow("Window9, Close first in the keyboard order") << 2 << 1 << 792;
    }

    void selectAll()
    {
        QFETCH(int, game);
        QFETCH(int, platform);
        QFETCH(int, length);
        RunProgram([&] {
            View(game, platform);
            auto window = Front();
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*window)));
            // The focus rests on the button; Select All still selects the text.
            CloseWidget(*window)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), CloseWidget(*window));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(window->EditField1()->SelStart(), 0);
            QCOMPARE(window->EditField1()->SelLength(), length);
            QCOMPARE(QApplication::focusWidget(), CloseWidget(*window));
            QCOMPARE(TextWidget(*window)->textCursor().selectedText().size(), length);

            // With the text focused, Copy puts the whole text on the clipboard.
            TextWidget(*window)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), TextWidget(*window));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
            QString expected = QString::fromStdString(window->EditField1()->Text());
            expected.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            QCOMPARE(QGuiApplication::clipboard()->text(), expected);
            rt::Quit(0);
        });
    }

    void cheatWindowMenus()
    {
        RunProgram([] {
            View(1, 1);
            auto window = Front();
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*window)));
            CloseWidget(*window)->setFocus();
            rt::testing::UpdateMenus(*window);
            QVERIFY(rt::testing::ActionOf(*window, "EditSelectAll")->isEnabled());
            QVERIFY(rt::testing::ActionOf(*window, "FileQuit")->isEnabled());
            for (const char* item : {"FileAbout", "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
                QVERIFY2(!rt::testing::ActionOf(*window, item)->isEnabled(), item);
            QVERIFY(!ChooseMenuItem(*window, "FileAbout"));
            QVERIFY(!OpenWindow("Window3.Window3"));

            // Neither Return nor Escape presses "Close".
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
                QTest::keyClick(QApplication::focusWidget(), key);
                QCOMPARE(OpenTitles().first(), "Duskvale 1 Mac n PC");
            }
            rt::Quit(0);
        });
    }

    // Select All changes the selection and nothing else: the view stays where
    // it was, whether the text has the focus or not.
    void selectAllKeepsTheView_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("platform");
        QTest::addColumn<bool>("focusClose");
        QTest::addColumn<bool>("scrolled"); // half-way down before Select All
        QTest::newRow("Window9, as it opens") << 2 << 1 << false << false;
        QTest::newRow("Window20, Close focused, scrolled") << 6 << 2 << true << true;
        QTest::newRow("Window20, as it opens") << 6 << 2 << false << false;
        QTest::newRow("Window20, as it opens, scrolled") << 6 << 2 << false << true;
    }

    void selectAllKeepsTheView()
    {
        QFETCH(int, game);
        QFETCH(int, platform);
        QFETCH(bool, focusClose);
        QFETCH(bool, scrolled);
        RunProgram([&] {
            View(game, platform);
            auto window = Front();
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*window)));
            if (focusClose) {
                CloseWidget(*window)->setFocus();
                QTRY_COMPARE(QApplication::focusWidget(), CloseWidget(*window));
            }
            QScrollBar* bar = TextWidget(*window)->verticalScrollBar();
            QVERIFY2(bar->maximum() > 0, "the text must be longer than its view");
            if (scrolled)
                bar->setValue(bar->maximum() / 2);
            const int before = bar->value();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(window->EditField1()->SelLength(), static_cast<int>(rt::Len(window->EditField1()->Text())));
            QCoreApplication::processEvents();
            QCOMPARE(bar->value(), before);
            rt::Quit(0);
        });
    }

    // A menu opened from the keys and closed with Escape leaves the menu bar
    // holding the keyboard; Copy still acts on the window's focused text.
    void copyWhileTheMenuBarHoldsTheKeyboard()
    {
        RunProgram([] {
            View(1, 2);
            auto window = Front();
            QWidget* top = rt::testing::WidgetOf(*window);
            QVERIFY(QTest::qWaitForWindowActive(top));
            TextWidget(*window)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), TextWidget(*window));
            QTest::keyClick(TextWidget(*window), Qt::Key_A, Qt::ControlModifier);

            QTest::keyClick(TextWidget(*window), Qt::Key_E, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            QCOMPARE(QApplication::focusWidget(), top->findChild<QMenuBar*>());

            QVERIFY(rt::testing::ActionOf(*window, "EditCopy")->isEnabled());
            QGuiApplication::clipboard()->clear();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
            QString expected = QString::fromStdString(window->EditField1()->Text());
            expected.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            QCOMPARE(QGuiApplication::clipboard()->text(), expected);
            rt::Quit(0);
        });
    }

    // The menu's states are right as the window opens and follow the focus
    // and the selection, without waiting for a menu to open or a key.
    void menuStatesFollowTheWindow()
    {
        RunProgram([] {
            View(1, 2);
            auto window = Front();
            auto enabled = [&window](const char* item) { return rt::testing::ActionOf(*window, item)->isEnabled(); };
            QVERIFY(enabled("EditSelectAll"));
            QVERIFY(!enabled("EditCopy"));
            QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*window)));
            TextWidget(*window)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), TextWidget(*window));
            TextWidget(*window)->selectAll(); // as a drag of the mouse would
            QVERIFY(enabled("EditCopy"));
            CloseWidget(*window)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), CloseWidget(*window));
            QVERIFY(!enabled("EditCopy"));
            QVERIFY(enabled("EditSelectAll"));
            rt::Quit(0);
        });
    }
};

QTEST_MAIN(CheatsTest)
#include "tst_cheats.moc"
