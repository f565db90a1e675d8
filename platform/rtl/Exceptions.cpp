#include "rtl/Exceptions.h"

#include "classes/Component.h"

Exception::Exception(String message) : FMessage(std::move(message)), FUtf8(ToUtf8(FMessage)) {}

void Exception::SetMessage(String message) {
  FMessage = std::move(message);
  FUtf8 = ToUtf8(FMessage);
}

void Abort() {
  throw EAbort();
}

void DatabaseError(const String& message, TComponent* component) {
  if (component != nullptr && !component->Name().empty()) {
    throw EDatabaseError(component->Name() + STR(": ") + message, component);
  }
  throw EDatabaseError(message, component);
}
