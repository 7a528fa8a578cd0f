#include "ProgramTest.h"

#include "Program.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLayout>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolTip>

namespace vxtest {

namespace {
// Owns the timers that wait for dialogs during one run, so that none outlives it.
QObject* g_runScope = nullptr;

// How many polls are waiting to answer a modal widget.
int g_waitingPolls = 0;

class WaitingPoll {
public:
    WaitingPoll() { ++g_waitingPolls; }
    ~WaitingPoll() { --g_waitingPolls; }
    WaitingPoll(const WaitingPoll&) = delete;
    WaitingPoll& operator=(const WaitingPoll&) = delete;
};

// What a widget shows, for a failure to name it.
QString Describe(QWidget* widget)
{
    if (auto* box = qobject_cast<QMessageBox*>(widget)) {
        QString text = QStringLiteral("message box \"%1\"").arg(box->text());
        if (!box->informativeText().isEmpty())
            text += QStringLiteral(" (%1)").arg(box->informativeText());
        return text;
    }
    return QStringLiteral("%1 \"%2\"").arg(widget->metaObject()->className(), widget->windowTitle());
}

void Dismiss(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

// Watches for modal widgets that nobody will answer. Those that a poll
// answers go within a few milliseconds; the grace only covers an answer
// that closes its widget by a queued call.
class ModalGuard : public QObject {
public:
    explicit ModalGuard(QObject* parent) : QObject(parent)
    {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, &ModalGuard::Look);
        timer->start(100);
    }

private:
    static constexpr qint64 kGraceMs = 500;

    void Look()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || g_waitingPolls > 0) {
            unanswered_ = nullptr;
            return;
        }
        if (modal != unanswered_) {
            unanswered_ = modal;
            since_.start();
            return;
        }
        if (since_.elapsed() < kGraceMs)
            return;
        unanswered_ = nullptr;
        QTest::qFail(qPrintable(QStringLiteral("nobody answered the %1").arg(Describe(modal))), __FILE__, __LINE__);
        Dismiss(modal);
    }

    QPointer<QWidget> unanswered_;
    QElapsedTimer since_;
};

// Top-level widgets already reported as left over: each is reported once,
// by the test that left it, not again by every test after it.
QList<QPointer<QWidget>> g_reportedLeftOver;

QList<QWidget*> TopLevelsLeft()
{
    QList<QWidget*> left = QApplication::topLevelWidgets();
    left.removeIf([](QWidget* w) { return g_reportedLeftOver.contains(w); });
    return left;
}

} // namespace

int RunProgram(const std::function<void()>& script)
{
    QObject scope;
    g_runScope = &scope;
    new ModalGuard(&scope);
    QTimer::singleShot(0, &scope, [script] {
        script();
        // A program whose windows have all closed ends by itself.
        if (!rt::testing::QuitRequested() && !rt::testing::OpenWindows().empty())
            rt::Quit(99);
    });
    const int status = EntryRoutine();
    g_runScope = nullptr;
    return status;
}

void PollModal(QObject* owner, std::function<bool(QWidget* modal)> poll)
{
    auto* timer = new QTimer(owner);
    // Held by the connection: it goes when polling ends or with the timer.
    auto waiting = std::make_shared<WaitingPoll>();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, poll = std::move(poll), waiting]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (!poll(modal && modal->isVisible() ? modal : nullptr)) {
            waiting.reset();
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(5);
}

void OnNextModal(std::function<void(QWidget*)> handler)
{
    PollModal(g_runScope ? g_runScope : qApp, [handler = std::move(handler), tries = 0](QWidget* modal) mutable {
        if (modal) {
            handler(modal);
            return false;
        }
        if (++tries > 1000) {
            qWarning("no modal widget appeared");
            return false;
        }
        return true;
    });
}

std::shared_ptr<QString> AnswerNextMessageBox()
{
    auto text = std::make_shared<QString>(QStringLiteral("<no message box>"));
    OnNextModal([text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            *text = QStringLiteral("<not a message box: %1>").arg(modal->metaObject()->className());
            Dismiss(modal);
            return;
        }
        *text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    return text;
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
    Dismiss(modal);
}

rt::Ref<rt::Window> OpenWindow(const std::string& className)
{
    return rt::GetImplicitWindow(className);
}

QWidget* WidgetOf(const std::string& className)
{
    auto window = OpenWindow(className);
    return window ? rt::testing::WidgetOf(*window) : nullptr;
}

QStringList OpenTitles()
{
    QStringList titles;
    for (const auto& w : rt::testing::OpenWindows())
        titles << QString::fromStdString(w->Title());
    return titles;
}

bool ChooseMenuItem(rt::Window& window, const std::string& itemName)
{
    QAction* action = rt::testing::ActionOf(window, itemName);
    if (!action)
        return false;
    rt::testing::UpdateMenus(window);
    if (!action->isEnabled())
        return false;
    action->trigger();
    return true;
}

QWidget* ContentOf(const rt::Window& window)
{
    QWidget* top = rt::testing::WidgetOf(window);
    return top->layout()->itemAt(0)->widget();
}

QString TextOf(const rt::TextArea& area)
{
    return QString::fromStdString(area.Text());
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

QStringList LifecycleLog()
{
    QStringList log;
    for (const auto& e : rt::testing::LifecycleLog())
        log << QString::fromStdString(e);
    return log;
}

void CheckNoWindowsLeft()
{
    // The toolkit keeps one tooltip label for the whole process, and it
    // outlives the widget it was shown for until its own timer hides it:
    // as a user moving the mouse away would, hide it, and let it go.
    QToolTip::hideText();
    if (QTest::qWaitFor([] { return TopLevelsLeft().isEmpty(); }, 2000))
        return;
    QStringList names;
    for (QWidget* w : TopLevelsLeft()) {
        g_reportedLeftOver << w;
        names << Describe(w) + (w->isVisible() ? QString() : QStringLiteral(" (hidden)"));
    }
    QFAIL(qPrintable(QStringLiteral("left over: ") + names.join(QLatin1String(", "))));
}

} // namespace vxtest
