// Save the Logo: offered only in the About window, it writes the logo shown
// as a JPEG file where the user chooses; a save that fails writes nothing,
// leaves an existing file as it was, and says why.
#include "AboutSteps.h"

#include "Window1.h"
#include "Window3.h"
#include "Window4.h"

#include <QImageReader>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <optional>
#include <sys/resource.h>

using namespace vxtest;

namespace {

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

class SaveLogoTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CheckNoWindowsLeft(); }

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
                // A menu command runs within the key press, so a dialog would
                // already have come up, and been answered, when it returns.
                QTest::keyClick(focus ? focus : rt::testing::WidgetOf(*window), Qt::Key_S, Qt::ControlModifier);
                QVERIFY2(answers.proposedNames.isEmpty(), window->Title().c_str());
            }
            rt::Quit(0);
        });
    }
};

QTEST_MAIN(SaveLogoTest)
#include "tst_save_logo.moc"
