// Walks the type descriptions of json.h: parsing goes through nlohmann's parser, writing
// is done here so that the output is exactly the engine's compact form.
#include "core/json.h"

#include <charconv>
#include <cmath>
#include <limits>

#include <nlohmann/json.hpp>

namespace core::json {
namespace {

using Json = nlohmann::ordered_json;

std::string jsonTypeName(const Json& j) {
  switch (j.type()) {
    case Json::value_t::null: return "null";
    case Json::value_t::boolean: return "a bool";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned: return "an integer";
    case Json::value_t::number_float: return "a number with a fraction or exponent";
    case Json::value_t::string: return "a string";
    case Json::value_t::array: return "an array";
    case Json::value_t::object: return "an object";
    default: return "an unsupported value";
  }
}

std::string where(const std::string& path) {
  return path.empty() ? std::string("the value") : "'" + path + "'";
}

std::unexpected<Error> mismatch(const Json& j, const Type& t, const std::string& path) {
  return Fail(where(path) + " is " + jsonTypeName(j) + ", expected " + std::string(t.name));
}

bool equalFold(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

const Field* findField(std::span<const Field> fields, std::string_view key) {
  for (const auto& f : fields)
    if (f.Name == key) return &f;
  for (const auto& f : fields)
    if (equalFold(f.Name, key)) return &f;
  return nullptr;
}

template <class I>
Result<void> decodeInteger(const Json& j, void* dst, const Type& t, const std::string& path) {
  if (j.is_number_unsigned()) {
    auto v = j.get<std::uint64_t>();
    if (v > static_cast<std::uint64_t>(std::numeric_limits<I>::max()))
      return Fail(where(path) + " is out of range for " + std::string(t.name));
    *static_cast<I*>(dst) = static_cast<I>(v);
    return {};
  }
  if (j.is_number_integer()) {
    auto v = j.get<std::int64_t>();
    if (v < static_cast<std::int64_t>(std::numeric_limits<I>::min()) ||
        (v > 0 && static_cast<std::uint64_t>(v) > std::numeric_limits<I>::max()))
      return Fail(where(path) + " is out of range for " + std::string(t.name));
    *static_cast<I*>(dst) = static_cast<I>(v);
    return {};
  }
  return mismatch(j, t, path);
}

Result<void> decodeValue(const Json& j, void* dst, const Type& t, const std::string& path) {
  if (j.is_null()) {
    // null empties what can be empty and leaves everything else as it was.
    if (t.kind == Kind::List || t.kind == Kind::Map || t.kind == Kind::Optional) t.reset(dst);
    return {};
  }
  switch (t.kind) {
    case Kind::Bool:
      if (!j.is_boolean()) return mismatch(j, t, path);
      *static_cast<bool*>(dst) = j.get<bool>();
      return {};
    case Kind::Int: return decodeInteger<int>(j, dst, t, path);
    case Kind::Int64: return decodeInteger<std::int64_t>(j, dst, t, path);
    case Kind::Uint8: return decodeInteger<std::uint8_t>(j, dst, t, path);
    case Kind::Double:
      if (!j.is_number()) return mismatch(j, t, path);
      *static_cast<double*>(dst) = j.get<double>();
      return {};
    case Kind::String:
      if (!j.is_string()) return mismatch(j, t, path);
      *static_cast<std::string*>(dst) = j.get_ref<const std::string&>();
      return {};
    case Kind::List: {
      if (!j.is_array()) return mismatch(j, t, path);
      t.reset(dst);
      const Type& et = t.elem();
      std::size_t i = 0;
      for (const auto& e : j) {
        TRY(decodeValue(e, t.append(dst), et, path + "[" + std::to_string(i++) + "]"));
      }
      return {};
    }
    case Kind::Array: {
      // A fixed-size array takes the leading elements and zeroes the ones the file lacks.
      if (!j.is_array()) return mismatch(j, t, path);
      const Type& et = t.elem();
      for (std::size_t i = 0; i < t.length; ++i) {
        if (i < j.size()) {
          TRY(decodeValue(j[i], t.item(dst, i), et, path + "[" + std::to_string(i) + "]"));
        } else {
          t.zeroItem(dst, i);
        }
      }
      return {};
    }
    case Kind::Map: {
      if (!j.is_object()) return mismatch(j, t, path);
      const Type& et = t.elem();
      for (const auto& [key, value] : j.items()) {
        std::string sub = path.empty() ? key : path + "." + key;
        TRY(decodeValue(value, t.put(dst, key), et, sub));
      }
      return {};
    }
    case Kind::Optional: return decodeValue(j, t.engage(dst), t.elem(), path);
    case Kind::Record: {
      if (!j.is_object()) return mismatch(j, t, path);
      for (const auto& [key, value] : j.items()) {
        const Field* f = findField(t.fields, key);
        if (!f) continue;
        std::string sub = path.empty() ? std::string(f->Name) : path + "." + std::string(f->Name);
        TRY(decodeValue(value, f->Get(dst), f->Type(), sub));
      }
      return {};
    }
  }
  return Fail("unsupported type " + std::string(t.name));
}

void writeString(std::string& out, std::string_view s) {
  static constexpr char hex[] = "0123456789abcdef";
  auto unicodeEscape = [&](unsigned code) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += hex[(code >> shift) & 0xf];
  };
  out += '"';
  for (std::size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '<':
        case '>':
        case '&': unicodeEscape(c); break;
        default:
          if (c < 0x20) unicodeEscape(c);
          else out += static_cast<char>(c);
      }
      ++i;
      continue;
    }
    // Multi-byte UTF-8: copied when well formed, replaced by U+FFFD when not. U+2028 and
    // U+2029 are escaped because some readers take them for line ends.
    std::size_t n = c >= 0xf0 && c <= 0xf4 ? 4 : c >= 0xe0 ? 3 : c >= 0xc2 && c < 0xe0 ? 2 : 0;
    unsigned code = n == 4 ? c & 0x07 : n == 3 ? c & 0x0f : c & 0x1f;
    bool ok = n != 0 && i + n <= s.size();
    for (std::size_t k = 1; ok && k < n; ++k) {
      auto cc = static_cast<unsigned char>(s[i + k]);
      ok = (cc & 0xc0) == 0x80;
      code = (code << 6) | (cc & 0x3f);
    }
    if (ok) {
      ok = !(n == 3 && (code < 0x800 || (code >= 0xd800 && code <= 0xdfff))) &&
           !(n == 4 && (code < 0x10000 || code > 0x10ffff));
    }
    if (!ok) {
      out += "\\ufffd";
      ++i;
    } else if (code == 0x2028 || code == 0x2029) {
      unicodeEscape(code);
      i += n;
    } else {
      out.append(s.substr(i, n));
      i += n;
    }
  }
  out += '"';
}

struct MapWriter {
  std::string* out;
  const Type* elem;
  bool first;
  Result<void> result;
};

Result<void> encodeValue(std::string& out, const void* src, const Type& t) {
  switch (t.kind) {
    case Kind::Bool: out += *static_cast<const bool*>(src) ? "true" : "false"; return {};
    case Kind::Int: out += std::to_string(*static_cast<const int*>(src)); return {};
    case Kind::Int64: out += std::to_string(*static_cast<const std::int64_t*>(src)); return {};
    case Kind::Uint8: out += std::to_string(*static_cast<const std::uint8_t*>(src)); return {};
    case Kind::Double: {
      double v = *static_cast<const double*>(src);
      if (!std::isfinite(v)) return Fail("unsupported value: " + std::to_string(v));
      char buf[32];
      auto r = std::to_chars(buf, buf + sizeof buf, v);
      out.append(buf, r.ptr);
      return {};
    }
    case Kind::String: writeString(out, *static_cast<const std::string*>(src)); return {};
    case Kind::List:
    case Kind::Array: {
      out += '[';
      const Type& et = t.elem();
      for (std::size_t i = 0, n = t.size(src); i < n; ++i) {
        if (i) out += ',';
        TRY(encodeValue(out, t.citem(src, i), et));
      }
      out += ']';
      return {};
    }
    case Kind::Map: {
      MapWriter w{&out, &t.elem(), true, {}};
      out += '{';
      t.each(
          src,
          [](void* ctx, const std::string& key, const void* value) {
            auto& w = *static_cast<MapWriter*>(ctx);
            if (!w.result) return;
            if (!w.first) *w.out += ',';
            w.first = false;
            writeString(*w.out, key);
            *w.out += ':';
            w.result = encodeValue(*w.out, value, *w.elem);
          },
          &w);
      TRY(w.result);
      out += '}';
      return {};
    }
    case Kind::Optional:
      if (!t.present(src)) {
        out += "null";
        return {};
      }
      return encodeValue(out, t.cvalue(src), t.elem());
    case Kind::Record: {
      out += '{';
      bool first = true;
      for (const auto& f : t.fields) {
        if (!first) out += ',';
        first = false;
        writeString(out, f.Name);
        out += ':';
        TRY(encodeValue(out, f.GetConst(src), f.Type()));
      }
      out += '}';
      return {};
    }
  }
  return Fail("unsupported type " + std::string(t.name));
}

}  // namespace

Result<void> Decode(std::string_view text, void* dst, const Type& type) {
  Json j;
  try {
    j = Json::parse(text);
  } catch (const Json::exception& e) {
    return Fail(e.what());
  }
  return decodeValue(j, dst, type, "");
}

Result<std::string> Encode(const void* src, const Type& type) {
  std::string out;
  TRY(encodeValue(out, src, type));
  return out;
}

}  // namespace core::json
