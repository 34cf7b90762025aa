// A surface made of terminal character cells, for the terminal month view. One user unit of the
// scale spans a fixed number of columns and lines; text is laid out by display columns (most
// Japanese characters take two; small text takes as many as any other). Filled boxes paint a
// background, box outlines put brackets on the box's inner lines, and Render() turns the cells
// into text with or without ANSI colours.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "components/surface/picture_box_state.h"

namespace mirel {

class TextSurface : public PictureBoxState {
 public:
  // columns x lines character cells, all blank on the back colour.
  TextSurface(int columns, int lines, Color backColor = kWhite);

  void Cls() override;
  void SetDrawMode(int) override {}
  void Line(double x1, double y1, double x2, double y2, Color color, LineKind kind) override;
  double TextWidth(std::string_view text) const override;
  double TextHeight(std::string_view text) const override;
  void Print(std::string_view text) override;
  void PrintRightAligned(std::string_view text, double right) override;

  // The cells line by line, trailing blanks dropped. With ansi, colours and weight become SGR
  // sequences: the background colour stays the terminal's own, black text its default colour,
  // grey text the dim one.
  std::string Render(bool ansi) const;

 private:
  struct Cell {
    std::string glyph = " ";  // empty: the right half of the wide character before it
    Color color = kBlack;
    bool bold = false;
    Color background = kWhite;
  };

  static Cell BlankCell(Color background);
  int ColumnOf(double x) const;
  int LineOf(double y) const;
  void Put(int line, int column, const std::string& glyph, int width, Color color, bool bold);
  void PutText(int line, int column, std::string_view text);

  int columns_;
  int lines_;
  std::vector<Cell> cells_;
};

// Display columns of UTF-8 text: 1 for characters below U+1100, 2 for the rest.
int DisplayColumns(std::string_view text);

}  // namespace mirel
