#pragma once

#include <type_traits>
#include <utility>

// Declares Name<T>, true when the expression (written with T, e.g. T::sizeOf(0) or
// std::declval<T &>().clear()) compiles. A test asserts with it that a class keeps exactly the
// interface it documents: no accessor or helper that only a test would call.
#define PANEL_DETECT_MEMBER(Name, expression)                                                      \
    template<typename T, typename = void>                                                          \
    struct Name : std::false_type                                                                  \
    {};                                                                                            \
    template<typename T>                                                                           \
    struct Name<T, std::void_t<decltype(expression)>> : std::true_type                             \
    {}
