#include "ui/raster_surface.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "platform/code_page.h"

namespace {

// The surface's default font.
constexpr const char* kFontFamily = "sans-serif";
constexpr double kFontSize = 12.0;

void SetColour(cairo_t* cr, uint32_t colour) {
  cairo_set_source_rgb(cr, (colour & 0xFF) / 255.0, (colour >> 8 & 0xFF) / 255.0, (colour >> 16 & 0xFF) / 255.0);
}

void SetPen(cairo_t* cr, const CPen& pen) {
  SetColour(cr, pen.colour);
  cairo_set_line_width(cr, std::max(pen.width, 1));
  if (pen.style == CPen::Style::kDotted) {
    const double dots[] = {1.0, 2.0};
    cairo_set_dash(cr, dots, 2, 0);
  } else {
    cairo_set_dash(cr, nullptr, 0, 0);
  }
}

// Lines of odd width lie on pixel centres, so that they cover whole pixels.
double Centre(int coordinate, const CPen& pen) { return coordinate + (std::max(pen.width, 1) % 2 == 1 ? 0.5 : 0.0); }

}  // namespace

struct CRasterSurface::Cairo {
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;

  ~Cairo() {
    if (cr != nullptr) cairo_destroy(cr);
    if (surface != nullptr) cairo_surface_destroy(surface);
  }
};

CRasterSurface::CRasterSurface(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)) {
  if (m_width == 0 || m_height == 0) return;
  auto cairo = std::make_unique<Cairo>();
  cairo->surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, m_width, m_height);
  if (cairo_surface_status(cairo->surface) != CAIRO_STATUS_SUCCESS) return;
  cairo->cr = cairo_create(cairo->surface);
  if (cairo_status(cairo->cr) != CAIRO_STATUS_SUCCESS) return;
  // Crisp one-pixel shapes, as a window's device context draws them.
  cairo_set_antialias(cairo->cr, CAIRO_ANTIALIAS_NONE);
  cairo_select_font_face(cairo->cr, kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cairo->cr, kFontSize);
  m_cairo = std::move(cairo);
}

CRasterSurface::~CRasterSurface() = default;

CPicture CRasterSurface::Picture() const {
  CPicture picture;
  if (!m_cairo) return picture;
  cairo_surface_flush(m_cairo->surface);
  const unsigned char* data = cairo_image_surface_get_data(m_cairo->surface);
  const int stride = cairo_image_surface_get_stride(m_cairo->surface);
  picture.width = m_width;
  picture.height = m_height;
  picture.pixels.resize(static_cast<size_t>(m_width) * static_cast<size_t>(m_height) * 3);
  uint8_t* out = picture.pixels.data();
  for (int y = 0; y < m_height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    for (int x = 0; x < m_width; ++x) {
      const uint32_t rgb = row[x];  // 0x00RRGGBB in the machine's byte order
      *out++ = static_cast<uint8_t>(rgb);
      *out++ = static_cast<uint8_t>(rgb >> 8);
      *out++ = static_cast<uint8_t>(rgb >> 16);
    }
  }
  return picture;
}

void CRasterSurface::Fill(uint32_t colour) {
  if (!m_cairo) return;
  SetColour(m_cairo->cr, colour);
  cairo_paint(m_cairo->cr);
}

void CRasterSurface::Line(const CPen& pen, int x1, int y1, int x2, int y2) {
  if (!m_cairo) return;
  cairo_t* cr = m_cairo->cr;
  SetPen(cr, pen);
  cairo_move_to(cr, Centre(x1, pen), Centre(y1, pen));
  cairo_line_to(cr, Centre(x2, pen), Centre(y2, pen));
  cairo_stroke(cr);
}

void CRasterSurface::Rectangle(const CPen& pen, uint32_t brush, int left, int top, int right, int bottom) {
  if (!m_cairo) return;
  cairo_t* cr = m_cairo->cr;
  const int x = std::min(left, right), y = std::min(top, bottom);
  const int w = std::abs(right - left), h = std::abs(bottom - top);
  if (w == 0 || h == 0) return;
  cairo_rectangle(cr, x, y, w, h);
  SetColour(cr, brush);
  cairo_fill(cr);
  SetPen(cr, pen);
  cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
  cairo_stroke(cr);
}

void CRasterSurface::Ellipse(const CPen& pen, uint32_t brush, int left, int top, int right, int bottom) {
  if (!m_cairo) return;
  cairo_t* cr = m_cairo->cr;
  const double w = std::abs(right - left), h = std::abs(bottom - top);
  if (w == 0 || h == 0) return;
  cairo_save(cr);
  cairo_translate(cr, std::min(left, right) + w / 2, std::min(top, bottom) + h / 2);
  cairo_scale(cr, w / 2, h / 2);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  SetColour(cr, brush);
  cairo_fill_preserve(cr);
  SetPen(cr, pen);
  cairo_stroke(cr);
}

void CRasterSurface::Text(const std::string& text, int x, int y, TextAnchor anchor, uint32_t colour) {
  if (!m_cairo || text.empty()) return;
  cairo_t* cr = m_cairo->cr;
  const std::string utf8 = platform::SystemToUtf8(text);
  cairo_font_extents_t font;
  cairo_font_extents(cr, &font);
  double baseline = y + font.ascent;
  double left = x;
  switch (anchor) {
    case TextAnchor::kTopLeft:
      break;
    case TextAnchor::kTopCentre:
      left = x - TextWidth(text) / 2.0;
      break;
    case TextAnchor::kBaselineRight:
      left = x - TextWidth(text);
      baseline = y;
      break;
  }
  SetColour(cr, colour);
  cairo_move_to(cr, std::round(left), std::round(baseline));
  cairo_show_text(cr, utf8.c_str());
  cairo_new_path(cr);
}

int CRasterSurface::TextWidth(const std::string& text) {
  if (!m_cairo || text.empty()) return 0;
  const std::string utf8 = platform::SystemToUtf8(text);
  cairo_text_extents_t extents;
  cairo_text_extents(m_cairo->cr, utf8.c_str(), &extents);
  return static_cast<int>(std::lround(extents.x_advance));
}
