#pragma once
// Byte streams and the host's conversions between textual and binary form data.
#include <cstdint>
#include <string>

#include "classes/Component.h"

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Reads up to count bytes; returns how many were read.
  virtual size_t Read(void* buffer, size_t count) = 0;
  virtual size_t Write(const void* buffer, size_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  int64_t Size();
  // Raise EReadError "Stream read error" / EFormError "Stream write error" when short.
  void ReadBuffer(void* buffer, size_t count);
  void WriteBuffer(const void* buffer, size_t count);
  // The bytes from the position to the end.
  std::string ReadRest();

  // Reads binary form data at the position into instance (or, when instance is null, into a
  // new component of the root's registered class, which the caller then owns): its properties
  // and the objects it holds, created with instance as owner. An unknown class or property, a
  // bad value or an unresolved reference raises EReadError.
  TComponent* ReadComponent(TComponent* instance);
};

class TMemoryStream : public TStream {
 public:
  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  const std::string& Bytes() const { return FBytes; }
  void Clear();

 protected:
  std::string FBytes;
  size_t FPosition = 0;
};

// A memory stream over the bytes of a string: UTF-8 in the 16-bit build, the bytes in the 8-bit
// builds.
class TStringStream : public TMemoryStream {
 public:
  explicit TStringStream(StringView text = {});
  String DataString() const;
};

// Text to the binary form format ("TPF0" and value-type tagged properties), from the input's
// position. Raises EParserError for malformed text.
void ObjectTextToBinary(TStream& input, TStream& output);
// Binary form data back to text in the host's layout. Raises EReadError for malformed data.
void ObjectBinaryToText(TStream& input, TStream& output);
