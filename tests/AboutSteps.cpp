#include "AboutSteps.h"

#include "CheatWindow.h"
#include "Window1.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>

namespace vxtest {

rt::Ref<Window3> OpenAbout()
{
    auto main = OpenWindow(Window1::kClassName);
    if (!main || !ChooseMenuItem(*main, "FileAbout"))
        return {};
    auto about = rt::CheckCast<Window3>(OpenWindow(Window3::kClassName));
    if (!about || !QTest::qWaitForWindowActive(rt::testing::WidgetOf(*about)))
        return {};
    return about;
}

rt::Ref<rt::Window> OpenCheatWindow()
{
    auto main = rt::CheckCast<Window1>(OpenWindow(Window1::kClassName));
    if (!main)
        return {};
    main->PopupMenu1()->SetListIndex(1);
    main->PopupMenu2()->SetListIndex(2);
    main->PushButton1()->Push();
    return OpenWindow(Window7::kClassName);
}

QString TextOf(const rt::TextArea& area)
{
    return QString::fromStdString(area.Text());
}

QString HostNamedIn(const QString& aboutText)
{
    static const QRegularExpression pattern(QStringLiteral(" by visiting (\\S+) or by clicking on the\r"));
    return pattern.match(aboutText).captured(1);
}

DialogAnswerer::DialogAnswerer(SaveStep step) : step_(std::move(step))
{
    PollModal(&polling_, [this](QWidget* modal) {
        if (modal)
            Answer(modal);
        return true;
    });
}

void DialogAnswerer::Answer(QWidget* modal)
{
    if (modal == answered_) {
        // A save dialog that the answer did not close would hang the test.
        if (++patience_ == 200) {
            messages << QStringLiteral("<the save dialog stayed open>");
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        }
        return;
    }
    answered_ = modal;
    patience_ = 0;
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        proposedNames << (name ? name->text() : QStringLiteral("<no name field>"));
        const bool save = step_ ? step_(*dialog) : false;
        // Accepting may ask a question in a modal loop of its own, which this
        // timer must be free to answer: leave the timer's slot first.
        QMetaObject::invokeMethod(dialog, save ? "accept" : "reject", Qt::QueuedConnection);
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
            questions << box->text();
            yes->click();
        } else {
            messages << box->text();
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->reject();
        }
        return;
    }
    messages << QStringLiteral("<unexpected %1>").arg(modal->metaObject()->className());
    modal->close();
}

QStringList Entries(const QDir& dir)
{
    return dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

bool ShowsNothing(const rt::Canvas& canvas)
{
    const QImage shown = rt::testing::WidgetOf(canvas)->grab().toImage();
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != shown.pixel(0, 0))
                return false;
        }
    }
    return true;
}

} // namespace vxtest
