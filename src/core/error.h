// The engine's one error type and the helpers that pass errors up the layers.
#pragma once

#include <expected>
#include <string>
#include <utility>

namespace core {

// An error owns one message; each layer that passes it on prefixes its own sentence.
struct Error {
  std::string Message;
};

template <class T = void>
using Result = std::expected<T, Error>;

inline std::unexpected<Error> Fail(std::string message) {
  return std::unexpected(Error{std::move(message)});
}

inline std::unexpected<Error> Fail(std::string_view prefix, const Error& inner) {
  std::string message(prefix);
  message += inner.Message;
  return std::unexpected(Error{std::move(message)});
}

}  // namespace core

#define ORL_CONCAT_INNER(a, b) a##b
#define ORL_CONCAT(a, b) ORL_CONCAT_INNER(a, b)

// Returns the error of `expr`, prefixed with `prefix`, from the calling function.
#define TRY_PREFIX(expr, prefix)                                  \
  do {                                                            \
    auto&& orl_try_result = (expr);                               \
    if (!orl_try_result) return ::core::Fail((prefix), orl_try_result.error()); \
  } while (0)

// Returns the error of `expr` unchanged from the calling function.
#define TRY(expr) TRY_PREFIX(expr, "")

// Declares or assigns `lhs` from the value of `expr`, or returns its error prefixed with `prefix`.
#define TRY_ASSIGN(lhs, expr, prefix)                                          \
  auto&& ORL_CONCAT(orl_try_value_, __LINE__) = (expr);                        \
  if (!ORL_CONCAT(orl_try_value_, __LINE__))                                   \
    return ::core::Fail((prefix), ORL_CONCAT(orl_try_value_, __LINE__).error()); \
  lhs = std::move(*ORL_CONCAT(orl_try_value_, __LINE__))
