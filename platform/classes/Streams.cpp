#include "classes/Streams.h"

#include <algorithm>
#include <cstring>

#include "BinaryForm.h"
#include "classes/FormLoader.h"
#include "classes/FormText.h"

int64_t TStream::Size() {
  const int64_t position = Position();
  const int64_t size = Seek(0, TSeekOrigin::soEnd);
  SetPosition(position);
  return size;
}

void TStream::ReadBuffer(void* buffer, size_t count) {
  if (Read(buffer, count) != count) throw EReadError(STR("Stream read error"), String(), 0, 0);
}

void TStream::WriteBuffer(const void* buffer, size_t count) {
  if (Write(buffer, count) != count) throw EFormError(STR("Stream write error"), String(), 0, 0);
}

std::string TStream::ReadRest() {
  const int64_t left = Size() - Position();
  std::string bytes(static_cast<size_t>(std::max<int64_t>(left, 0)), '\0');
  ReadBuffer(bytes.data(), bytes.size());
  return bytes;
}

TComponent* TStream::ReadComponent(TComponent* instance) {
  const int64_t start = Position();
  const std::string bytes = ReadRest();
  size_t used = 0;
  const auto document = ReadBinaryForm(bytes, used);
  SetPosition(start + static_cast<int64_t>(used));
  std::unique_ptr<TComponent> created;
  if (instance == nullptr) {
    const TClass cls = GetClass(document->Root->ClassName);
    if (cls == nullptr || !cls->Create || !cls->InheritsFrom(TComponent::StaticClass())) {
      throw EReadError(STR("Class ") + document->Root->ClassName + STR(" not found"), String(), 0,
                       0);
    }
    created.reset(static_cast<TComponent*>(cls->Create(nullptr)));
    instance = created.get();
  }
  TFormReadOptions strict;
  strict.Designing = instance->IsDesigning();
  strict.AllowUnknownClasses = false;
  strict.AllowUnknownProperties = false;
  strict.AllowBadValues = false;
  ReadFormInto(instance, *document, strict);
  created.release();
  return instance;
}

size_t TMemoryStream::Read(void* buffer, size_t count) {
  const size_t n = FPosition >= FBytes.size() ? 0 : std::min(count, FBytes.size() - FPosition);
  if (n > 0) std::memcpy(buffer, FBytes.data() + FPosition, n);
  FPosition += n;
  return n;
}

size_t TMemoryStream::Write(const void* buffer, size_t count) {
  if (FPosition > FBytes.size()) FBytes.resize(FPosition);
  FBytes.replace(FPosition, std::min(count, FBytes.size() - FPosition),
                 static_cast<const char*>(buffer), count);
  FPosition += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t base = origin == TSeekOrigin::soBeginning ? 0
                       : origin == TSeekOrigin::soCurrent ? static_cast<int64_t>(FPosition)
                                                          : static_cast<int64_t>(FBytes.size());
  FPosition = static_cast<size_t>(std::max<int64_t>(0, base + offset));
  return static_cast<int64_t>(FPosition);
}

void TMemoryStream::Clear() {
  FBytes.clear();
  FPosition = 0;
}

TStringStream::TStringStream(StringView text) {
  FBytes = ToUtf8(text);
}

String TStringStream::DataString() const {
  return FromUtf8(FBytes);
}

void ObjectTextToBinary(TStream& input, TStream& output) {
  const auto document = ReadFormText(input.ReadRest(), STR("form text"));
  const std::string bytes = WriteBinaryForm(*document);
  output.WriteBuffer(bytes.data(), bytes.size());
}

void ObjectBinaryToText(TStream& input, TStream& output) {
  const int64_t start = input.Position();
  const std::string bytes = input.ReadRest();
  size_t used = 0;
  const auto document = ReadBinaryForm(bytes, used);
  input.SetPosition(start + static_cast<int64_t>(used));
  const std::string text = WriteFormText(*document);
  output.WriteBuffer(text.data(), text.size());
}
