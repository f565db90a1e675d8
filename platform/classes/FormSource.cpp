#include "classes/FormDocument.h"

#include "FormEncoding.h"

TFormSource::TFormSource(std::string_view leading, std::string_view text, std::string_view trailing,
                         bool atLineStart) {
  std::string bytes;
  bytes.reserve(leading.size() + text.size() + trailing.size());
  bytes.append(leading).append(text).append(trailing);
  const size_t size = bytes.size();
  *this = TFormSource(new TBytes(std::move(bytes), TFormEncoding::feUtf8), 0, leading.size(),
                      leading.size() + text.size(), size, atLineStart);
}

TFormSource::TFormSource(TBytes* bytes, size_t start, size_t textAt, size_t trailingAt, size_t end,
                         bool atLineStart)
    : FBytes(bytes),
      FStart(static_cast<uint32_t>(start)),
      FTextAt(static_cast<uint32_t>(textAt)),
      FTrailingAt(static_cast<uint32_t>(trailingAt)),
      FEnd(static_cast<uint32_t>(end)),
      FAtLineStart(atLineStart ? 1 : 0) {
  if (FBytes != nullptr) ++FBytes->FUsers;
}

TFormSource::TFormSource(const TFormSource& other)
    : TFormSource(other.FBytes, other.FStart, other.FTextAt, other.FTrailingAt, other.FEnd,
                  other.FAtLineStart != 0) {}

TFormSource::TFormSource(TFormSource&& other) noexcept
    : FBytes(other.FBytes),
      FStart(other.FStart),
      FTextAt(other.FTextAt),
      FTrailingAt(other.FTrailingAt),
      FEnd(other.FEnd),
      FAtLineStart(other.FAtLineStart) {
  other.FBytes = nullptr;
}

TFormSource& TFormSource::operator=(TFormSource other) noexcept {
  std::swap(FBytes, other.FBytes);
  FStart = other.FStart;
  FTextAt = other.FTextAt;
  FTrailingAt = other.FTrailingAt;
  FEnd = other.FEnd;
  FAtLineStart = other.FAtLineStart;
  return *this;
}

TFormSource::~TFormSource() {
  if (FBytes != nullptr && --FBytes->FUsers == 0) delete FBytes;
}

std::optional<std::string> TFormSource::Indent() const {
  const std::string_view leading = Leading();
  const size_t lineBreak = leading.find_last_of("\r\n");
  if (lineBreak != std::string_view::npos) return std::string(leading.substr(lineBreak + 1));
  if (FAtLineStart) return std::string(leading);
  return std::nullopt;
}

std::pair<int, int> TFormSource::Position() const {
  if (FBytes == nullptr) return {0, 0};
  auto& starts = FBytes->FLineStarts;
  if (starts.empty()) starts = FormLineStarts(FBytes->FText);
  return FormTextPosition(FBytes->FText, starts, FTextAt, FBytes->FEncoding);
}
