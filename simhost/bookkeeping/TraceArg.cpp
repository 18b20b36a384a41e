#include "bookkeeping/TraceArg.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace simhost {

namespace {

// The C locale's shortest form to six significant digits, whatever locale
// the stream carries, so that a trace reads the same everywhere.
std::string Decimal(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

void Quoted(std::ostream& out, const std::string& text) {
    out << '"';
    for (const char c : text) {
        switch (c) {
            case '"': out << "\\\""; break;
            case '\\': out << "\\\\"; break;
            case '\n': out << "\\n"; break;
            case '\r': out << "\\r"; break;
            case '\t': out << "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(c));
                    out << escape;
                } else {
                    out << c;
                }
        }
    }
    out << '"';
}

}  // namespace

TraceArg TraceArg::Integer(long long value) {
    TraceArg arg;
    arg.kind_ = Kind::Integer;
    arg.integer_ = value;
    return arg;
}

TraceArg TraceArg::Real(double value) {
    TraceArg arg;
    arg.kind_ = Kind::Real;
    arg.real_ = value;
    return arg;
}

TraceArg TraceArg::Time(const A_Time& time) {
    TraceArg arg;
    arg.kind_ = Kind::Time;
    arg.integer_ = time.value;
    arg.scale_ = time.scale;
    return arg;
}

TraceArg TraceArg::Text(std::string text) {
    TraceArg arg;
    arg.kind_ = Kind::Text;
    arg.text_ = std::move(text);
    return arg;
}

TraceArg TraceArg::Ref(const RefId& id) {
    TraceArg arg;
    arg.kind_ = Kind::Ref;
    arg.ref_ = id;
    return arg;
}

TraceArg TraceArg::Unknown() {
    TraceArg arg;
    arg.kind_ = Kind::Unknown;
    return arg;
}

TraceArg TraceArg::Rect(const PF_Rect& rect) {
    TraceArg arg;
    arg.kind_ = Kind::Rect;
    arg.rect_ = rect;
    return arg;
}

void TraceArg::Expect(Kind kind) const {
    if (kind_ != kind) throw std::logic_error("a trace argument read as a kind it is not: " + ToString(*this));
}

long long TraceArg::AsInteger() const {
    Expect(Kind::Integer);
    return integer_;
}

double TraceArg::AsReal() const {
    Expect(Kind::Real);
    return real_;
}

A_Time TraceArg::AsTime() const {
    Expect(Kind::Time);
    return {static_cast<A_long>(integer_), scale_};
}

const std::string& TraceArg::AsText() const {
    Expect(Kind::Text);
    return text_;
}

RefId TraceArg::AsRef() const {
    Expect(Kind::Ref);
    return ref_;
}

PF_Rect TraceArg::AsRect() const {
    Expect(Kind::Rect);
    return rect_;
}

bool TraceArg::operator==(const TraceArg& other) const {
    if (kind_ != other.kind_) return false;
    switch (kind_) {
        case Kind::Null:
        case Kind::Unknown: return true;
        case Kind::Integer: return integer_ == other.integer_;
        case Kind::Real: return real_ == other.real_;
        case Kind::Time: return integer_ == other.integer_ && scale_ == other.scale_;
        case Kind::Text: return text_ == other.text_;
        case Kind::Ref: return ref_ == other.ref_;
        case Kind::Rect:
            return rect_.left == other.rect_.left && rect_.top == other.rect_.top &&
                   rect_.right == other.rect_.right && rect_.bottom == other.rect_.bottom;
    }
    return false;
}

std::ostream& operator<<(std::ostream& out, const TraceArg& arg) {
    switch (arg.kind()) {
        case TraceArg::Kind::Null: return out << "null";
        case TraceArg::Kind::Unknown: return out << "unknown";
        case TraceArg::Kind::Integer: return out << arg.AsInteger();
        case TraceArg::Kind::Real: return out << Decimal(arg.AsReal());
        case TraceArg::Kind::Time: {
            const A_Time time = arg.AsTime();
            out << time.value << '/' << time.scale;
            if (time.scale == 0) return out << " (no time)";
            return out << " (" << Decimal(static_cast<double>(time.value) / time.scale) << " s)";
        }
        case TraceArg::Kind::Text:
            Quoted(out, arg.AsText());
            return out;
        case TraceArg::Kind::Ref: return out << arg.AsRef();
        case TraceArg::Kind::Rect: {
            const PF_Rect rect = arg.AsRect();
            return out << '{' << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << '}';
        }
    }
    return out;
}

std::string ToString(const TraceArg& arg) {
    std::ostringstream out;
    out << arg;
    return out.str();
}

}  // namespace simhost
