// The logo picture as the About window reads it from the bundle's Resources
// folder. The picture, once read, is kept for the whole process, so each case
// runs the program in a process of its own, started from a bundle of its own:
// a temporary folder with this test's executable in bin/ and the logo file in
// Resources/, which the program finds beside the folder of its executable.
// There, the steps of BundleSteps run as a test of their own.
#include "AboutSteps.h"
#include "TestFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <filesystem>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vxtest;

namespace {

constexpr const char* kRunSteps = "--bundle-steps";
// What the steps put in place of the logo file when a case asks for a readable one.
constexpr const char* kNextLogo = "next logo.png";

QString BundleRoot()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
}

QString LogoPath(const QString& root)
{
    return root + QStringLiteral("/Resources/Quenra copy.jpg");
}

struct SaveResult {
    QStringList questions;
    QStringList messages;
};

// Chooses Save the Logo and saves into dir under the proposed name.
SaveResult SaveLogoInto(Window3& about, const QString& dir)
{
    DialogAnswerer answers([&](QFileDialog& dialog) {
        dialog.setDirectory(dir);
        return true;
    });
    if (!ChooseMenuItem(about, "FileSavetheLogo"))
        answers.messages << QStringLiteral("<Save the Logo not available>");
    return {answers.questions, answers.messages};
}

// Opens the About window; the messages shown while it was built go to messages.
rt::Ref<Window3> OpenAboutQuietly(QStringList& messages)
{
    DialogAnswerer watch(nullptr);
    auto about = OpenAbout();
    messages = watch.messages;
    return about;
}

} // namespace

// Run inside a bundle's program, one slot per process.
class BundleSteps : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CheckNoWindowsLeft(); }

    // The About window opens without a logo and without an error, and Save the
    // Logo writes nothing but says why; once a readable file is in place, the
    // next About window shows it.
    void unreadableUntilReplaced()
    {
        const QString logo = LogoPath(BundleRoot());
        const QImage next(BundleRoot() + QLatin1Char('/') + QLatin1String(kNextLogo));
        QVERIFY(!next.isNull());
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString existing = dir.filePath(QStringLiteral("Logo.jpg"));
        WriteAll(existing, "an older file");
        const int status = RunProgram([&] {
            QStringList messages;
            auto first = OpenAboutQuietly(messages);
            QCOMPARE(messages, QStringList{});
            QVERIFY(first);
            QVERIFY(!first->Canvas1()->Backdrop());
            QVERIFY(ShowsNothing(*first->Canvas1()));
            QCOMPARE(first->StaticText1()->Text(), "Vexorin 2");
            QVERIFY(first->EditField1()->Text().starts_with("This Program was made by Pemberlyn."));

            const SaveResult saved = SaveLogoInto(*first, dir.path());
            QCOMPARE(saved.questions.size(), 1);
            QCOMPARE(saved.messages.size(), 1);
            QVERIFY2(saved.messages[0].startsWith(QStringLiteral("The logo could not be saved: ")),
                     qPrintable(saved.messages[0]));
            first->PushButton1()->Push();

            std::error_code ec;
            std::filesystem::remove(logo.toStdString(), ec);
            QVERIFY2(!ec, ec.message().c_str());
            QVERIFY(QFile::copy(BundleRoot() + QLatin1Char('/') + QLatin1String(kNextLogo), logo));
            auto second = OpenAboutQuietly(messages);
            QCOMPARE(messages, QStringList{});
            QVERIFY(second);
            auto shown = second->Canvas1()->Backdrop();
            QVERIFY(shown);
            QCOMPARE(rt::testing::ImageOf(*shown).convertToFormat(QImage::Format_RGB32),
                     next.convertToFormat(QImage::Format_RGB32));
            QVERIFY(!ShowsNothing(*second->Canvas1()));
            rt::Quit(0);
        });
        QCOMPARE(status, 0);
        QCOMPARE(Entries(dir.path()), QStringList{"Logo.jpg"});
        QCOMPARE(ReadAll(existing), QByteArray("an older file"));
    }

    // Read by the first About window, then kept: neither a later window nor a
    // later run of the program in the same process reads the file again.
    void readOnceAndKept()
    {
        const QString logo = LogoPath(BundleRoot());
        // The logo is PNG under its JPEG name: what is saved must be a new JPEG
        // encoding of the picture shown, not a copy of the file.
        const QImage reference = QImage(logo).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!reference.isNull());
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const rt::Picture* kept = nullptr;
        RunProgram([&] {
            auto first = OpenAbout();
            QVERIFY(first);
            auto shown = first->Canvas1()->Backdrop();
            QVERIFY(shown);
            QCOMPARE(rt::testing::ImageOf(*shown).convertToFormat(QImage::Format_RGB32), reference);
            first->PushButton1()->Push();

            QVERIFY(QFile::remove(logo));
            auto second = OpenAbout();
            QVERIFY(second);
            QVERIFY(second->Canvas1()->Backdrop() == shown);
            kept = shown.Get();

            const SaveResult saved = SaveLogoInto(*second, dir.path());
            QCOMPARE(saved.messages, QStringList{});
            QImageReader reader(dir.filePath(QStringLiteral("Logo.jpg")));
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            QCOMPARE(reader.read().size(), QSize(123, 183));
            rt::Quit(0);
        });
        QVERIFY(kept);
        RunProgram([&] {
            auto about = OpenAbout();
            QVERIFY(about);
            QCOMPARE(about->Canvas1()->Backdrop().Get(), kept);
            rt::Quit(0);
        });
    }
};

namespace {

// A bundle of its own in a temporary folder: bin/ with this test's executable
// (a hard link where the file system allows it, else a copy), and Resources/.
class Bundle {
public:
    Bundle()
    {
        if (!root_.isValid() || !QDir(root_.path()).mkpath(QStringLiteral("bin"))
            || !QDir(root_.path()).mkpath(QStringLiteral("Resources")))
            return;
        const QString self = QCoreApplication::applicationFilePath();
        executable_ = root_.filePath(QStringLiteral("bin/") + QFileInfo(self).fileName());
        if (::link(QFile::encodeName(self).constData(), QFile::encodeName(executable_).constData()) != 0
            && !QFile::copy(self, executable_))
            executable_.clear();
    }

    bool IsValid() const { return !executable_.isEmpty(); }
    QString Root() const { return root_.path(); }
    QString Logo() const { return LogoPath(root_.path()); }

    // Runs one slot of BundleSteps in the bundle's own process; on failure
    // returns what the process said, else nothing.
    std::optional<QString> RunSteps(const char* slot)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(executable_, {QString::fromLatin1(kRunSteps), QString::fromLatin1(slot)});
        // Long enough for a sanitizer build under load; a program that blocks
        // for good never gets there.
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return QStringLiteral("the program did not finish within a minute:\n")
                   + QString::fromLocal8Bit(process.readAll());
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return QString::fromLocal8Bit(process.readAll());
        return std::nullopt;
    }

private:
    QTemporaryDir root_;
    QString executable_;
};

// Closes its descriptor when it goes.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

QByteArray ShippedLogo()
{
    return ReadAll(LogoPath(BundleRoot()));
}

// The shipped logo as PNG: a readable logo whose bytes are not a JPEG file.
QByteArray ShippedLogoAsPng()
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !QImage::fromData(ShippedLogo()).save(&buffer, "PNG"))
        return {};
    return png;
}

} // namespace

class LogoTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(!ShippedLogo().isEmpty(), qPrintable(LogoPath(BundleRoot()))); }

    void unreadableLogo_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("not a picture") << "not a picture";
        QTest::newRow("empty") << "empty";
        QTest::newRow("JPEG header only") << "header only";
        // Opening any of these must not wait for a writer or read without end.
        QTest::newRow("FIFO without a writer") << "fifo";
        QTest::newRow("FIFO holding a picture") << "fifo with picture";
        QTest::newRow("directory") << "directory";
        QTest::newRow("device that reads without end") << "/dev/zero";
        QTest::newRow("device that waits for input") << "/dev/ptmx";
    }

    void unreadableLogo()
    {
        QFETCH(QString, kind);
        Bundle bundle;
        QVERIFY(bundle.IsValid());
        const QByteArray path = QFile::encodeName(bundle.Logo());
        if (kind == "not a picture")
            WriteAll(bundle.Logo(), "this is not a picture at all");
        else if (kind == "empty")
            WriteAll(bundle.Logo(), QByteArray());
        else if (kind == "header only")
            WriteAll(bundle.Logo(), ShippedLogo().left(300));
        else if (kind.startsWith(QLatin1String("fifo")))
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        else if (kind == "directory")
            QVERIFY(QDir().mkdir(bundle.Logo()));
        else if (kind.startsWith(QLatin1String("/dev/"))) {
            if (!QFileInfo::exists(kind))
                QSKIP("this system has no such device");
            QCOMPARE(::symlink(QFile::encodeName(kind).constData(), path.constData()), 0);
        }
        // Only a regular file is a logo, even when something else offers a picture.
        Descriptor writer;
        if (kind == "fifo with picture") {
            writer.fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
            QVERIFY(writer.fd >= 0);
            const QByteArray picture = ShippedLogo();
            QCOMPARE(::write(writer.fd, picture.constData(), static_cast<size_t>(picture.size())),
                     static_cast<ssize_t>(picture.size()));
        }
        WriteAll(bundle.Root() + QLatin1Char('/') + QLatin1String(kNextLogo), ShippedLogoAsPng());
        const auto failure = bundle.RunSteps("unreadableUntilReplaced");
        QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
    }

    void logoIsReadOnceAndKept()
    {
        Bundle bundle;
        QVERIFY(bundle.IsValid());
        WriteAll(bundle.Logo(), ShippedLogoAsPng());
        const auto failure = bundle.RunSteps("readOnceAndKept");
        QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QTEST_SET_MAIN_SOURCE_PATH
    if (argc == 3 && std::strcmp(argv[1], kRunSteps) == 0) {
        BundleSteps steps;
        char* only[] = {argv[0], argv[2], nullptr};
        return QTest::qExec(&steps, 2, only);
    }
    LogoTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_logo.moc"
