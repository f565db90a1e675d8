#include "db/BinaryFields.h"

#include "db/DataSet.h"

const TClassInfo& TBinaryField::StaticClass() {
  static const TClassInfo info = TClassBuilder<TBinaryField, TField>(STR("TBinaryField")).Build();
  return info;
}

const TClassInfo& TBytesField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TBytesField, TBinaryField>(STR("TBytesField"))
          .Creatable()
          .Prop(STR("Size"), &TField::Size, &TField::SetSize, nullptr, 16)
          .Build();
  return info;
}

const TClassInfo& TVarBytesField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TVarBytesField, TBinaryField>(STR("TVarBytesField"))
          .Creatable()
          .Prop(STR("Size"), &TField::Size, &TField::SetSize, nullptr, 16)
          .Build();
  return info;
}

const TClassInfo& TBlobField::StaticClass() {
  static const TClassInfo info = TClassBuilder<TBlobField, TBinaryField>(STR("TBlobField"))
                                     .Creatable()
                                     .Prop(STR("Size"), &TField::Size, &TField::SetSize, nullptr, 0)
                                     .Build();
  return info;
}

const TClassInfo& TMemoField::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMemoField, TBlobField>(STR("TMemoField")).Creatable().Build();
  return info;
}

Variant TBinaryField::Convert(const Variant& value) const {
  if (const auto* bytes = std::get_if<TBytes>(&value)) return *bytes;
  const String text = VarToStr(value);
  TBytes bytes;
  bytes.reserve(text.size());
  for (Char c : text) {
    const auto code = static_cast<uint32_t>(static_cast<std::make_unsigned_t<Char>>(c));
    if (code > 0xFF) {
      DatabaseError(STR("Field '") + DisplayName() + STR("' holds bytes; character ") +
                        IntToStr(code) + STR(" does not fit"),
                    DataSet());
    }
    bytes.push_back(static_cast<uint8_t>(code));
  }
  return bytes;
}

Variant TMemoField::Convert(const Variant& value) const {
  return VarToStr(value);
}
