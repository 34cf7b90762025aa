#include "clock/pattern_preview.h"

#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "components/utf8.h"

namespace mirel {
namespace {

// Cuts what follows `start` in `text` after `limit` characters, never inside one.
void CutToCharacters(std::string& text, std::size_t start, std::size_t limit) {
  std::size_t position = start;
  for (std::size_t characters = 0; position < text.size() && characters < limit; ++characters) {
    position += Utf8CharacterAt(text, position).length;
  }
  text.resize(position);
}

}  // namespace

PatternPreview::PatternPreview(std::string_view clockPattern) : clockPattern_(clockPattern) {}

std::string PatternPreview::Text(std::string_view typed) {
  if (!typed.empty() && typed != typedPattern_.Pattern()) {
    typedPattern_ = FormatPattern(typed);
  }
  const FormatPattern& pattern = typed.empty() ? clockPattern_ : typedPattern_;
  std::string line = kPreviewLead;
  // The second that has begun, as the caption shows it.
  pattern.AppendTo(line, WholeSecondOf(Now()));
  CutToCharacters(line, sizeof kPreviewLead - 1, kPreviewLimit);
  return line;
}

}  // namespace mirel
