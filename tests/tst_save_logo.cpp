// Save the Logo: offered only in the About window, it writes the logo shown
// as a JPEG file where the user chooses; a save that fails writes nothing,
// leaves an existing file as it was, and says why.
#include "AboutSteps.h"

#include "Window1.h"
#include "Window3.h"
#include "Window4.h"

#include <QBuffer>
#include <QImageReader>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

// A picture that JPEG cannot make small.
QImage Noise(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xff000000u);
    }
    return image;
}

qint64 JpegSize(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "JPEG") ? buffer.size() : 0;
}

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
        QTest::addColumn<QString>("name");    // typed into the save dialog
        QTest::addColumn<bool>("largeLogo");  // one whose JPEG is far larger than a file's write buffer
        QTest::addColumn<int>("sizeLimit");   // in bytes, or -1 for none
        QTest::addColumn<int>("reason");      // the error whose words end the message, or 0 for any
        QTest::newRow("folder that does not exist") << "gone/Logo.jpg" << false << -1 << ENOENT;
        QTest::newRow("size limit, replacing a file") << "Logo.jpg" << false << 1024 << EFBIG;
        QTest::newRow("size limit, large logo, replacing a file") << "Logo.jpg" << true << 1024 << EFBIG;
        QTest::newRow("size limit, large logo, new file") << "New.jpg" << true << 1024 << EFBIG;
    }

    // Nothing is written, existing files stay as they were, and the user learns why.
    void failedSave()
    {
        QFETCH(QString, name);
        QFETCH(bool, largeLogo);
        QFETCH(int, sizeLimit);
        QFETCH(int, reason);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray older = "an older file that must survive";
        QStringList existing{QStringLiteral("Logo.jpg")};
        for (const QString& file : existing)
            WriteAll(dir.filePath(file), older);
        const bool replacing = existing.contains(name);
        // The program itself must turn the signal of a file-size limit into a
        // failed write; by default the signal ends the process.
        std::signal(SIGXFSZ, SIG_DFL);
        RunProgram([&] {
            auto about = OpenAbout();
            QVERIFY(about);
            if (largeLogo) {
                const QImage noise = Noise(QSize(400, 400));
                QVERIFY(JpegSize(noise) > 4 * 16384);
                about->Canvas1()->SetBackdrop(rt::testing::PictureOf(noise));
            }
            std::optional<FileSizeLimit> limit;
            DialogAnswerer answers([&](QFileDialog& dialog) {
                dialog.setDirectory(dir.path());
                dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(dir.filePath(name));
                if (sizeLimit >= 0)
                    limit.emplace(static_cast<rlim_t>(sizeLimit));
                return true;
            });
            QVERIFY(ChooseMenuItem(*about, "FileSavetheLogo"));
            limit.reset();
            QCOMPARE(answers.questions.size(), replacing ? 1 : 0);
            QCOMPARE(answers.messages.size(), 1);
            const QString prefix = QStringLiteral("The logo could not be saved: ");
            if (reason != 0)
                QCOMPARE(answers.messages[0], prefix + QString::fromLocal8Bit(std::strerror(reason)));
            QVERIFY2(answers.messages[0].startsWith(prefix) && answers.messages[0].size() > prefix.size(),
                     qPrintable(answers.messages[0]));
            QCOMPARE(OpenTitles().first(), "About");
            rt::Quit(0);
        });
        existing.sort();
        QCOMPARE(Entries(dir.path()), existing);
        for (const QString& file : existing)
            QCOMPARE(ReadAll(dir.filePath(file)), older);
    }

    // A file replaced where its name or its path is as long as the system
    // allows, or through a symbolic link, is replaced whole: no temporary
    // file is left beside it, and it keeps its permissions.
    void replaceAtTheLimits_data()
    {
        QTest::addColumn<QString>("name");   // typed into the save dialog
        QTest::addColumn<QString>("linkTo"); // the file that name links to, or empty
        QTest::addColumn<int>("pathLength"); // in bytes, or 0 for any
        QTest::newRow("name of 255 bytes") << QString(251, QLatin1Char('L')) + ".jpg" << "" << 0;
        QTest::newRow("path of 4,095 bytes") << "Logo.jpg" << "" << 4095;
        QTest::newRow("name that is a symbolic link") << "Logo.jpg" << "Pictures/Older.jpg" << 0;
    }

    void replaceAtTheLimits()
    {
        QFETCH(QString, name);
        QFETCH(QString, linkTo);
        QFETCH(int, pathLength);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // Folders of names up to 200 bytes, down to where the path has its length.
        QString folder = dir.path();
        if (pathLength > 0) {
            const int last = pathLength - 1 - static_cast<int>(name.size());
            while (folder.size() < last) {
                const int gap = last - static_cast<int>(folder.size()); // a slash and a name
                const int length = gap <= 201 ? gap - 1 : gap == 202 ? 100 : 200;
                folder += QLatin1Char('/') + QString(length, QLatin1Char('d'));
                QVERIFY(QDir().mkdir(folder));
            }
        }
        const QString path = folder + QLatin1Char('/') + name;
        if (pathLength > 0)
            QCOMPARE(QFile::encodeName(path).size(), pathLength);
        const QString file = linkTo.isEmpty() ? path : dir.filePath(linkTo);
        if (!linkTo.isEmpty()) {
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(file).path()));
            QCOMPARE(::symlink(QFile::encodeName(linkTo).constData(), QFile::encodeName(path).constData()), 0);
        }
        WriteAll(file, "an older file");
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0640), 0);
        const QStringList before = Entries(folder);
        RunProgram([&] {
            auto about = OpenAbout();
            QVERIFY(about);
            DialogAnswerer answers([&](QFileDialog& dialog) {
                dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
                return true;
            });
            QVERIFY(ChooseMenuItem(*about, "FileSavetheLogo"));
            QCOMPARE(answers.questions.size(), 1);
            QCOMPARE(answers.messages, QStringList{});
            rt::Quit(0);
        });
        QCOMPARE(Entries(folder), before);
        QCOMPARE(Entries(QFileInfo(file).path()), QStringList{QFileInfo(file).fileName()});
        QCOMPARE(QImageReader(file).format(), QByteArray("jpeg"));
        QCOMPARE(QFileInfo(path).isSymLink(), !linkTo.isEmpty());
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &status), 0);
        QCOMPARE(status.st_mode & 07777, 0640u);
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
