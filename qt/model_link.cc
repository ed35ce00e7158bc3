#include "qt/model_link.h"

#include <QFont>
#include <QStringList>

ModelLink::ModelLink(CWindowModel& model, QWidget& widget, Mirror mirror, bool followsVisibility)
    : QObject(&widget),
      m_model(model),
      m_widget(widget),
      m_mirror(std::move(mirror)),
      m_followsVisibility(followsVisibility) {
  m_connections.push_back(model.OnChanged([this](CWindowModel::Property property) {
    MirrorCommon(property);
    if (m_mirror) m_mirror(property);
  }));
  for (auto property : {CWindowModel::Property::kVisible, CWindowModel::Property::kEnabled, CWindowModel::Property::kLayout,
                        CWindowModel::Property::kFont})
    MirrorCommon(property);
  if (m_mirror) m_mirror(CWindowModel::Property::kText);
}

void ModelLink::MirrorCommon(CWindowModel::Property property) {
  switch (property) {
    case CWindowModel::Property::kVisible:
      if (m_followsVisibility) m_widget.setVisible(m_model.IsVisible());
      break;
    case CWindowModel::Property::kEnabled:
      m_widget.setEnabled(m_model.IsEnabled());
      break;
    case CWindowModel::Property::kLayout:
      m_widget.setLayoutDirection(m_model.IsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
      break;
    case CWindowModel::Property::kFont:
      if (!m_model.GetFont().face.empty()) m_widget.setFont(QtFontOf(m_model.GetFont(), m_widget.font()));
      break;
    default:
      break;
  }
}

QFont QtFontOf(const FontSpec& font, const QFont& base) {
  QFont result(base);
  result.setFamilies({QString::fromStdString(font.face), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("WenQuanYi Micro Hei")});
  if (font.height < 0) result.setPointSizeF(-font.height * 72.0 / 96.0);
  result.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
  return result;
}
