#pragma once
// Builds a class's run-time information in its .cpp:
//
//   const TClassInfo& TFoo::StaticClass() {
//     static const TClassInfo info = TClassBuilder<TFoo, TComponent>(STR("TFoo"))
//         .Creatable()
//         .Prop(STR("Active"), &TFoo::Active, &TFoo::SetActive)
//         .Method(STR("Button1Click"), &TFoo::Button1Click)
//         .Build();
//     return info;
//   }
//
// The property's type follows from the getter's result; enumerations, sets and named types
// (TFileName) pass their TTypeInfo explicitly.
#include <concepts>

namespace classbuilder_detail {

template <class V>
concept ObjectPointer =
    std::is_pointer_v<V> && std::derived_from<std::remove_cv_t<std::remove_pointer_t<V>>, TObject>;

template <class V>
const TTypeInfo* DefaultType() {
  if constexpr (std::is_same_v<V, bool>) {
    return &TypeInfoBoolean();
  } else if constexpr (std::is_same_v<V, String>) {
    return &TypeInfoString();
  } else if constexpr (std::is_same_v<V, TMethod>) {
    return &TypeInfoMethod();
  } else if constexpr (std::is_floating_point_v<V>) {
    return &TypeInfoFloat();
  } else if constexpr (std::is_same_v<V, int64_t>) {
    return &TypeInfoInt64();
  } else if constexpr (std::is_same_v<V, uint32_t>) {
    return &TypeInfoCardinal();
  } else if constexpr (std::is_integral_v<V>) {
    return &TypeInfoInteger();
  } else if constexpr (ObjectPointer<V>) {
    return &TypeInfoClassOf<std::remove_cv_t<std::remove_pointer_t<V>>>();
  } else {
    return nullptr;  // enumerations, sets and records name their type explicitly
  }
}

template <class V>
TValue ToValue(V v) {
  if constexpr (std::is_same_v<V, bool> || std::is_integral_v<V> || std::is_enum_v<V>) {
    return static_cast<int64_t>(v);
  } else if constexpr (std::is_floating_point_v<V>) {
    return static_cast<double>(v);
  } else if constexpr (std::is_same_v<V, String> || std::is_same_v<V, TMethod>) {
    return v;
  } else if constexpr (ObjectPointer<V>) {
    return static_cast<TObject*>(const_cast<std::remove_cv_t<std::remove_pointer_t<V>>*>(v));
  } else {
    return std::any(std::move(v));
  }
}

// Strings and methods reach the setter as the value holds them, without a copy.
template <class V>
decltype(auto) FromValue(const TValue& value) {
  try {
    if constexpr (std::is_same_v<V, bool>) {
      return std::get<int64_t>(value) != 0;
    } else if constexpr (std::is_integral_v<V> || std::is_enum_v<V>) {
      return static_cast<V>(std::get<int64_t>(value));
    } else if constexpr (std::is_floating_point_v<V>) {
      return static_cast<V>(std::get<double>(value));
    } else if constexpr (std::is_same_v<V, String> || std::is_same_v<V, TMethod>) {
      return std::get<V>(value);
    } else if constexpr (ObjectPointer<V>) {
      return As<std::remove_cv_t<std::remove_pointer_t<V>>>(std::get<TObject*>(value));
    } else {
      return std::any_cast<V>(std::get<std::any>(value));
    }
  } catch (const std::bad_variant_access&) {
    throw EInvalidCast();
  } catch (const std::bad_any_cast&) {
    throw EInvalidCast();
  }
}

}  // namespace classbuilder_detail

template <class T, class Parent>
class TClassBuilder {
 public:
  explicit TClassBuilder(String name) {
    FInfo.Name = std::move(name);
    FInfo.Parent = &Parent::StaticClass();
  }

  // The Pascal unit that declares the class.
  TClassBuilder& Unit(String name) {
    FInfo.UnitName = std::move(name);
    return *this;
  }
  // Instances can be built by name (form files, the class registry).
  TClassBuilder& Creatable() {
    FInfo.Create = [](TComponent* owner) -> TObject* { return new T(owner); };
    return *this;
  }
  TClassBuilder& Creatable(std::function<TObject*(TComponent*)> create) {
    FInfo.Create = std::move(create);
    return *this;
  }

  // getter: a const member function or a callable taking const T*; setter: a member function,
  // a callable taking (T*, V), or nullptr for a read-only property.
  template <class Getter, class Setter>
  TClassBuilder& Prop(String name, Getter getter, Setter setter, const TTypeInfo* type = nullptr,
                      std::optional<int64_t> defaultValue = std::nullopt) {
    using V = std::remove_cvref_t<std::invoke_result_t<Getter, const T*>>;
    TPropInfo prop;
    prop.Name = std::move(name);
    prop.PropType = type != nullptr ? type : classbuilder_detail::DefaultType<V>();
    prop.Default = defaultValue;
    prop.Get = [getter](const TObject* self) {
      return classbuilder_detail::ToValue<V>(std::invoke(getter, static_cast<const T*>(self)));
    };
    if constexpr (!std::is_null_pointer_v<Setter>) {
      prop.Set = [setter](TObject* self, const TValue& value) {
        std::invoke(setter, static_cast<T*>(self), classbuilder_detail::FromValue<V>(value));
      };
    }
    FInfo.Props.push_back(std::move(prop));
    return *this;
  }

  // Marks the last added property as stored only when the predicate holds.
  TClassBuilder& StoredIf(std::function<bool(const T*)> stored) {
    FInfo.Props.back().IsStored = [stored](const TObject* self) {
      return stored(static_cast<const T*>(self));
    };
    return *this;
  }

  // Gives the last added property the value that form files store instead of the live one.
  template <class Getter>
  TClassBuilder& WrittenAs(Getter getter) {
    using V = std::remove_cvref_t<std::invoke_result_t<Getter, const T*>>;
    FInfo.Props.back().Written = [getter](const TObject* self) {
      return classbuilder_detail::ToValue<V>(std::invoke(getter, static_cast<const T*>(self)));
    };
    return *this;
  }

  template <class R, class... Args>
  TClassBuilder& Method(String name, R (T::*method)(Args...)) {
    std::function<R(TObject*, Args...)> invoker = [method](TObject* self, Args... args) -> R {
      return (static_cast<T*>(self)->*method)(std::forward<Args>(args)...);
    };
    FInfo.Methods.push_back({std::move(name), std::any(std::move(invoker))});
    return *this;
  }

  TClassInfo Build() { return std::move(FInfo); }

 private:
  TClassInfo FInfo;
};
