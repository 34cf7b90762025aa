#include "components/surface/text_surface.h"

#include <algorithm>
#include <cmath>

#include "components/utf8.h"

namespace mirel {

namespace {

// Splits UTF-8 text into characters with their display widths. A malformed byte counts as one
// narrow character of its own, so no input can make the view read past the text.
struct Glyph {
  std::string text;
  int width;
};

std::vector<Glyph> Glyphs(std::string_view text) {
  std::vector<Glyph> glyphs;
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Character character = Utf8CharacterAt(text, i);
    const bool control = character.codePoint < 0x20 || character.codePoint == 0x7F;
    if (!character.valid || control) {
      glyphs.push_back({"?", 1});
    } else {
      glyphs.push_back(
          {std::string(text.substr(i, character.length)), character.codePoint >= 0x1100 ? 2 : 1});
    }
    i += character.length;
  }
  return glyphs;
}

const char* SgrColor(Color color) {
  switch (color) {
    case kRed:
      return "31";
    case kBlue:
      return "34";
    case kWhite:
      return "97";
    default:
      break;
  }
  // A grey, as small notes beside the numbers have: the terminal's dim colour.
  const Color red = color & 0xFF;
  const bool grey = color != kBlack && color == red * 0x010101;
  return grey ? "90" : "39";
}

}  // namespace

TextSurface::Cell TextSurface::BlankCell(Color background) {
  Cell cell;
  cell.background = background;
  return cell;
}

int DisplayColumns(std::string_view text) {
  int columns = 0;
  for (const Glyph& glyph : Glyphs(text)) {
    columns += glyph.width;
  }
  return columns;
}

TextSurface::TextSurface(int columns, int lines, Color backColor)
    : PictureBoxState(std::max(columns, 1), std::max(lines, 1), backColor),
      columns_(std::max(columns, 1)),
      lines_(std::max(lines, 1)) {
  Cls();
}

void TextSurface::Cls() {
  cells_.assign(static_cast<std::size_t>(columns_ * lines_), BlankCell(backColor_));
  HomePen();
}

int TextSurface::ColumnOf(double x) const {
  double column = (x - scaleX1_) * columns_ / (scaleX2_ - scaleX1_);
  return std::isfinite(column) ? static_cast<int>(std::clamp(std::lround(column), -1L, 100000L))
                               : -1;
}

int TextSurface::LineOf(double y) const {
  double line = (y - scaleY1_) * lines_ / (scaleY2_ - scaleY1_);
  return std::isfinite(line) ? static_cast<int>(std::clamp(std::lround(line), -1L, 100000L)) : -1;
}

double TextSurface::TextWidth(std::string_view text) const {
  return DisplayColumns(text) * (scaleX2_ - scaleX1_) / columns_;
}

double TextSurface::TextHeight(std::string_view) const {
  return (scaleY2_ - scaleY1_) / lines_;
}

void TextSurface::Put(int line, int column, const std::string& glyph, int width, Color color,
                      bool bold) {
  if (line < 0 || line >= lines_ || column < 0 || column + width > columns_) {
    return;
  }
  Cell* row = &cells_[static_cast<std::size_t>(line * columns_)];
  // Never leave half of a wide character behind.
  if (row[column].glyph.empty() && column > 0) {
    row[column - 1].glyph = " ";
  }
  int end = column + width;
  if (end < columns_ && row[end].glyph.empty()) {
    row[end].glyph = " ";
  }
  row[column].glyph = glyph;
  row[column].color = color;
  row[column].bold = bold;
  for (int k = column + 1; k < end; ++k) {
    row[k].glyph.clear();
    row[k].color = color;
    row[k].bold = bold;
  }
}

void TextSurface::PutText(int line, int column, std::string_view text) {
  for (const Glyph& glyph : Glyphs(text)) {
    Put(line, column, glyph.text, glyph.width, foreColor_, bold_);
    column += glyph.width;
  }
}

void TextSurface::Print(std::string_view text) {
  PutText(LineOf(currentY_), ColumnOf(currentX_), text);
  currentX_ = scaleX1_;
  currentY_ += TextHeight(text);
}

void TextSurface::PrintRightAligned(std::string_view text, double right) {
  PutText(LineOf(currentY_), ColumnOf(right) - DisplayColumns(text), text);
}

void TextSurface::Line(double x1, double y1, double x2, double y2, Color color, LineKind kind) {
  int left = std::clamp(ColumnOf(std::min(x1, x2)), 0, columns_);
  int right = std::clamp(ColumnOf(std::max(x1, x2)), 0, columns_);
  int top = std::clamp(LineOf(std::min(y1, y2)), 0, lines_);
  int bottom = std::clamp(LineOf(std::max(y1, y2)), 0, lines_);
  if (kind == LineKind::kFilledBox) {
    for (int line = top; line < bottom; ++line) {
      for (int column = left; column < right; ++column) {
        cells_[static_cast<std::size_t>(line * columns_ + column)] = BlankCell(color);
      }
    }
  } else if (right - left >= 2) {
    // Brackets on the inner lines: the outer lines of a cell belong to its neighbours too.
    int first = bottom - top >= 3 ? top + 1 : top;
    int last = bottom - top >= 3 ? bottom - 1 : bottom;
    for (int line = first; line < last; ++line) {
      Put(line, left, "[", 1, color, true);
      Put(line, right - 1, "]", 1, color, true);
    }
  }
  currentX_ = x2;
  currentY_ = y2;
}

std::string TextSurface::Render(bool ansi) const {
  std::string out;
  for (int line = 0; line < lines_; ++line) {
    const Cell* row = &cells_[static_cast<std::size_t>(line * columns_)];
    int end = columns_;
    if (!ansi) {
      while (end > 0 && (row[end - 1].glyph == " ")) {
        --end;
      }
    }
    std::string current;
    for (int column = 0; column < end; ++column) {
      const Cell& cell = row[column];
      if (cell.glyph.empty()) {
        continue;
      }
      if (ansi) {
        std::string sgr = std::string("\x1b[0;") + SgrColor(cell.color);
        if (cell.bold) {
          sgr += ";1";
        }
        if (cell.background == kBlue) {
          sgr += ";44";
        } else if (cell.background == kRed) {
          sgr += ";41";
        }
        sgr += "m";
        if (sgr != current) {
          out += sgr;
          current = sgr;
        }
      }
      out += cell.glyph;
    }
    if (ansi) {
      out += "\x1b[0m";
    }
    out += '\n';
  }
  return out;
}

}  // namespace mirel
