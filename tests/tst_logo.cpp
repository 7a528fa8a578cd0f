// The logo picture as the About window reads it from the bundle's Resources
// folder. The picture, once read, is kept for the whole process, so these
// tests run in a process of their own and in this order: every unreadable
// case first, while nothing has been read yet.
#include "AboutSteps.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace vxtest;

namespace {

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

} // namespace

class LogoTest : public QObject {
    Q_OBJECT

private:
    QString logoPath_;
    QByteArray original_;

private slots:
    void initTestCase()
    {
        logoPath_ = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                    + QStringLiteral("/../Resources/Quenra copy.jpg"));
        original_ = ReadAll(logoPath_);
        QVERIFY2(!original_.isEmpty(), qPrintable(logoPath_));
    }

    // Every test leaves the bundle as it found it.
    void cleanup()
    {
        WriteAll(logoPath_, original_);
        CheckNoWindowsLeft();
    }

    void unreadableLogo_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("missing") << false << QByteArray();
        QTest::newRow("not a picture") << true << QByteArray("this is not a picture at all");
        QTest::newRow("empty") << true << QByteArray();
        QTest::newRow("JPEG header only") << true << QByteArray(original_.left(300));
    }

    // The About window still opens, without a logo and without an error, and
    // Save the Logo writes nothing but says why.
    void unreadableLogo()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, contents);
        if (present)
            WriteAll(logoPath_, contents);
        else
            QVERIFY(QFile::remove(logoPath_));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString existing = dir.filePath(QStringLiteral("Logo.jpg"));
        WriteAll(existing, "an older file");
        const int status = RunProgram([&] {
            rt::Ref<Window3> about;
            {
                // An error while the window is built would show up as a message box.
                DialogAnswerer watch(nullptr);
                about = OpenAbout();
                QCOMPARE(watch.messages, QStringList{});
            }
            QVERIFY(about);
            QVERIFY(!about->Canvas1()->Backdrop());
            QVERIFY(ShowsNothing(*about->Canvas1()));
            QCOMPARE(about->StaticText1()->Text(), "Vexorin 2");
            QVERIFY(about->EditField1()->Text().starts_with("This Program was made by Pemberlyn."));

            const SaveResult saved = SaveLogoInto(*about, dir.path());
            QCOMPARE(saved.questions.size(), 1);
            QCOMPARE(saved.messages.size(), 1);
            QVERIFY2(saved.messages[0].startsWith(QStringLiteral("The logo could not be saved: ")),
                     qPrintable(saved.messages[0]));
            rt::Quit(0);
        });
        QCOMPARE(status, 0);
        QCOMPARE(Entries(dir.path()), QStringList{"Logo.jpg"});
        QCOMPARE(ReadAll(existing), QByteArray("an older file"));
    }

    // Missing for the first About window, then read for the second, then kept:
    // neither a later window nor a later run of the program reads it again.
    void logoIsReadOnceAndKept()
    {
        // The logo is put back as PNG under its JPEG name: what is saved must be
        // a new JPEG encoding of the picture shown, not a copy of the file.
        const QImage reference = QImage::fromData(original_).convertToFormat(QImage::Format_RGB32);
        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && reference.save(&buffer, "PNG"));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());

        QVERIFY(QFile::remove(logoPath_));
        const rt::Picture* kept = nullptr;
        RunProgram([&] {
            auto first = OpenAbout();
            QVERIFY(first);
            QVERIFY(!first->Canvas1()->Backdrop());
            first->PushButton1()->Push();

            WriteAll(logoPath_, png);
            auto second = OpenAbout();
            QVERIFY(second);
            auto logo = second->Canvas1()->Backdrop();
            QVERIFY(logo);
            QCOMPARE(rt::testing::ImageOf(*logo).convertToFormat(QImage::Format_RGB32), reference);
            QVERIFY(!ShowsNothing(*second->Canvas1()));
            second->PushButton1()->Push();

            QVERIFY(QFile::remove(logoPath_));
            auto third = OpenAbout();
            QVERIFY(third);
            QVERIFY(third->Canvas1()->Backdrop() == logo);
            kept = logo.Get();

            const SaveResult saved = SaveLogoInto(*third, dir.path());
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

QTEST_MAIN(LogoTest)
#include "tst_logo.moc"
