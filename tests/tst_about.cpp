// The About window, its menu bar, "Visit Website", Save the Logo and the
// Version History window, driven through the whole program as a user would.
#include "AboutSteps.h"

#include "CheatWindow.h"
#include "MenuBar1.h"
#include "MenuBar3.h"
#include "Window1.h"
#include "Window3.h"
#include "Window4.h"

#include <QDesktopServices>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <csignal>
#include <cstdlib>
#include <optional>
#include <sys/resource.h>

using namespace vxtest;

namespace {

QString TextOf(const rt::TextArea& area)
{
    return QString::fromStdString(area.Text());
}

// The host name that the About text's third line names.
QString HostNamedIn(const QString& aboutText)
{
    static const QRegularExpression pattern(QStringLiteral(" by visiting (\\S+) or by clicking on the\r"));
    return pattern.match(aboutText).captured(1);
}

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

// Opens the cheat window "Duskvale 1 Play Station" from the main window.
rt::Ref<rt::Window> OpenCheatWindow()
{
    auto main = rt::CheckCast<Window1>(OpenWindow(Window1::kClassName));
    main->PopupMenu1()->SetListIndex(1);
    main->PopupMenu2()->SetListIndex(2);
    main->PushButton1()->Push();
    return OpenWindow(Window7::kClassName);
}

// Whether two pictures look alike, allowing for what JPEG encoding loses.
bool LooksLike(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return total / (3.0 * x.width() * x.height()) < 6.0;
}

// Makes every file write beyond the given size fail, as a full disk would,
// until it goes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = SIG_DFL;
};

} // namespace

// Receives what the program hands to the desktop's browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

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

    void saveTheLogoOnlyInTheAboutWindow()
    {
        RunProgram([] {
            auto about = OpenAbout();
            QVERIFY(about);
            about->PushButton2()->Push();
            auto history = OpenWindow(Window4::kClassName);
            auto main = OpenWindow(Window1::kClassName);
            auto cheat = OpenCheatWindow();
            QVERIFY(history && main && cheat);
            for (const auto& window : {history, main, cheat}) {
                QVERIFY2(!rt::testing::ActionOf(*window, "FileSavetheLogo"), window->Title().c_str());
                // Ctrl+S there opens no save dialog, while the About window is open too.
                window->Show();
                QVERIFY(QTest::qWaitForWindowActive(rt::testing::WidgetOf(*window)));
                DialogAnswerer answers(nullptr);
                QWidget* focus = QApplication::focusWidget();
                QTest::keyClick(focus ? focus : rt::testing::WidgetOf(*window), Qt::Key_S, Qt::ControlModifier);
                QTest::qWait(30);
                QVERIFY2(answers.proposedNames.isEmpty(), window->Title().c_str());
            }
            rt::Quit(0);
        });
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
            QTest::qWait(30);
            QVERIFY(answers.messages.isEmpty());
            QCOMPARE(OpenTitles().first(), "About");
            rt::Quit(0);
        });
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first().toString(), "http://" + host);
    }

    void saveTheLogo_data()
    {
        QTest::addColumn<bool>("byShortcut");
        QTest::addColumn<bool>("replacing");
        QTest::newRow("Ctrl+S, new file") << true << false;
        QTest::newRow("menu item, replacing a file") << false << true;
    }

    void saveTheLogo()
    {
        QFETCH(bool, byShortcut);
        QFETCH(bool, replacing);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("Logo.jpg"));
        if (replacing)
            WriteAll(path, "an older file");
        RunProgram([&] {
            auto about = OpenAbout();
            QVERIFY(about);
            DialogAnswerer answers([&](QFileDialog& dialog) {
                dialog.setDirectory(dir.path());
                return true;
            });
            if (byShortcut)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
            else
                QVERIFY(ChooseMenuItem(*about, "FileSavetheLogo"));
            QCOMPARE(answers.proposedNames, QStringList{"Logo.jpg"});
            QCOMPARE(answers.questions.size(), replacing ? 1 : 0);
            QCOMPARE(answers.messages, QStringList{});
            QCOMPARE(Entries(dir.path()), QStringList{"Logo.jpg"});
            QImageReader reader(path);
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            const QImage saved = reader.read();
            QCOMPARE(saved.size(), QSize(123, 183));
            QVERIFY(LooksLike(saved, rt::testing::ImageOf(*about->Canvas1()->Backdrop())));
            QCOMPARE(OpenTitles().first(), "About");
            rt::Quit(0);
        });
    }

    void cancelledSave()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        WriteAll(dir.filePath(QStringLiteral("Logo.jpg")), "an older file");
        RunProgram([&] {
            auto about = OpenAbout();
            QVERIFY(about);
            DialogAnswerer answers([&](QFileDialog& dialog) {
                dialog.setDirectory(dir.path());
                return false;
            });
            QVERIFY(ChooseMenuItem(*about, "FileSavetheLogo"));
            QCOMPARE(answers.proposedNames.size(), 1);
            QVERIFY(answers.questions.isEmpty());
            QVERIFY(answers.messages.isEmpty());
            rt::Quit(0);
        });
        QCOMPARE(Entries(dir.path()), QStringList{"Logo.jpg"});
        QCOMPARE(ReadAll(dir.filePath(QStringLiteral("Logo.jpg"))), QByteArray("an older file"));
    }

    void failedSave_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("folder that does not exist") << "missing folder";
        QTest::newRow("write fails part-way, replacing a file") << "full disk";
    }

    // Nothing is written, an existing file stays as it was, and the user learns why.
    void failedSave()
    {
        QFETCH(QString, place);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString existing = dir.filePath(QStringLiteral("Logo.jpg"));
        const QByteArray older = "an older file that must survive";
        WriteAll(existing, older);
        const QString target = place == "missing folder" ? dir.filePath(QStringLiteral("gone/Logo.jpg")) : existing;
        RunProgram([&] {
            auto about = OpenAbout();
            QVERIFY(about);
            std::optional<FileSizeLimit> limit;
            DialogAnswerer answers([&](QFileDialog& dialog) {
                dialog.setDirectory(dir.path());
                dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(target);
                if (place == "full disk")
                    limit.emplace(1024);
                return true;
            });
            QVERIFY(ChooseMenuItem(*about, "FileSavetheLogo"));
            limit.reset();
            QCOMPARE(answers.questions.size(), place == "full disk" ? 1 : 0);
            QCOMPARE(answers.messages.size(), 1);
            const QString prefix = QStringLiteral("The logo could not be saved: ");
            QVERIFY2(answers.messages[0].startsWith(prefix) && answers.messages[0].size() > prefix.size(),
                     qPrintable(answers.messages[0]));
            QCOMPARE(OpenTitles().first(), "About");
            rt::Quit(0);
        });
        QCOMPARE(Entries(dir.path()), QStringList{"Logo.jpg"});
        QCOMPARE(ReadAll(existing), older);
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
