#ifndef PLUX_TOOLKIT_EXCEPTION_H
#define PLUX_TOOLKIT_EXCEPTION_H

#include <exception>
#include <string>
#include <utility>

// Base of every error the program raises on purpose: it carries the text the user is shown.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

#endif
