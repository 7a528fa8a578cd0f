#include "ControlKinds.h"
#include "Private.h"

#include <QPainter>

namespace rt {

namespace {

class CanvasWidget : public QWidget {
public:
    using QWidget::QWidget;
    Ref<Picture> picture;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!picture)
            return;
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), Internals::Of(*picture).image);
    }
};

} // namespace

const ControlKind& CanvasKind()
{
    using R = ControlRows;
    static const PropertyTable<ControlPrivate> table(Join({
        CommonRows(),
        {
            R::Keep<bool>("UseFocusRing"),
            R::Set<bool>("AcceptFocus",
                         [](ControlPrivate& c, bool on) { c.Widget().setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus); }),
            R::Keep<bool>("AcceptTabs"),
            R::Keep<bool>("DoubleBuffer"),
            R::Keep<bool>("EraseBackground"),
        },
    }));
    static const ControlKind kind{
        .className = "Canvas",
        .table = table,
        .create = [](ControlPrivate&, QWidget* parent) -> QWidget* {
            auto* canvas = new CanvasWidget(parent);
            canvas->setFocusPolicy(Qt::NoFocus);
            return canvas;
        },
    };
    return kind;
}

Canvas::Canvas() : Control(CanvasKind()) {}

Ref<Picture> Canvas::Backdrop() const { return Private().backdrop; }

void Canvas::SetBackdrop(Ref<Picture> picture)
{
    auto& d = Private();
    d.backdrop = picture;
    auto* canvas = dynamic_cast<CanvasWidget*>(&d.Widget());
    if (!canvas)
        RaiseNilObjectException();
    canvas->picture = std::move(picture);
    canvas->update();
}

} // namespace rt
