// The framework's exceptions. A failure raises a framework exception object
// (`RuntimeException` or a subclass) inside a C++ exception, `Raised`, so
// destructors run on the way out and `Ref` handles release what they hold.
#pragma once

#include <fw/Object.h>

#include <exception>
#include <string>
#include <string_view>

namespace fw {

class RuntimeException : public Object {
public:
    static ClassRecord* Class();
    std::string_view message() const noexcept { return Text(message_); }
    void setMessage(std::string_view message);

private:
    StringRef message_;
};

class NilObjectException : public RuntimeException {
public:
    static ClassRecord* Class();
};

class IllegalCastException : public RuntimeException {
public:
    static ClassRecord* Class();
};

class FunctionNotFoundException : public RuntimeException {
public:
    static ClassRecord* Class();
};

class ObjCException : public RuntimeException {
public:
    static ClassRecord* Class();
};

class ThreadAccessingUIException : public RuntimeException {
public:
    static ClassRecord* Class();
};

// A property stream that cannot be read or applied: the message names the key and the offset.
class PropertyStreamException : public RuntimeException {
public:
    static ClassRecord* Class();
};

// The C++ exception that carries a raised framework exception object.
class Raised : public std::exception {
public:
    explicit Raised(Ref<RuntimeException> exception);
    RuntimeException* exception() const noexcept { return exception_.get(); }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    Ref<RuntimeException> exception_;
    std::string what_;
};

[[noreturn]] void RuntimeRaiseException(RuntimeException* exception);
// Raises again an exception that an exit path caught.
[[noreturn]] void RuntimeReraiseException(RuntimeException* exception);
[[noreturn]] void RaiseNilObjectException();

// Makes an exception of class E with a message and raises it.
template <class E> [[noreturn]] void Raise(std::string_view message);

} // namespace fw
