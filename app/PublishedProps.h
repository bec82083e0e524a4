#pragma once
// The published properties a settings entry can name, read and written through
// the components' own accessors (so a setter acts as it always does: a folder
// re-lists, word wrap rebuilds the reader, a font takes effect at once).
#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "toolkit/Component.h"
#include "toolkit/Graphics.h"

template <class T>
struct TPropertyAccess {
  std::function<T()> Get;
  std::function<void(const T&)> Set;
};

using TPropertyValue = std::variant<std::monostate, TPropertyAccess<int>, TPropertyAccess<bool>,
                                    TPropertyAccess<std::string>, TPropertyAccess<TFont>>;

struct TPublishedProperty {
  std::string_view Name;  // as the component publishes it
  TPropertyValue Access;
  explicit operator bool() const { return Access.index() != 0; }
};

// The property of `component` called `name`, without regard to case; empty when it has none.
TPublishedProperty FindProperty(TComponent& component, std::string_view name);
