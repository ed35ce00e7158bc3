#include "qt/picture_view.h"

#include <QImage>
#include <QPainter>
#include <QResizeEvent>

#include "qt/model_link.h"

namespace {

class PictureView : public QWidget {
 public:
  PictureView(CPictureWindow& model, QWidget* parent) : QWidget(parent), m_model(model) {
    setMinimumSize(200, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const CPicture& picture = m_model.Picture();
    QPainter painter(this);
    if (picture.Empty()) {
      painter.fillRect(rect(), Qt::white);
      return;
    }
    // The picture's rows are blue, green, red bytes without padding; the
    // image only borrows them for this paint.
    const QImage image(picture.pixels.data(), picture.width, picture.height, picture.width * 3, QImage::Format_BGR888);
    painter.drawImage(QPoint(0, 0), image);
  }

  void resizeEvent(QResizeEvent* event) override {
    const CRect at = m_model.GetRect();
    m_model.MoveWindow(CRect{at.left, at.top, at.left + event->size().width(), at.top + event->size().height()});
    m_model.Paint();
  }

 private:
  CPictureWindow& m_model;
};

}  // namespace

QWidget* MakePictureView(CPictureWindow& model, QWidget* parent) {
  auto* view = new PictureView(model, parent);
  new ModelLink(model, *view, [view](CWindowModel::Property property) {
    if (property == CWindowModel::Property::kValue) view->update();
  });
  return view;
}
