#pragma once

#include <string>

// The system clipboard, plain text only. Failures are silent: the clipboard then keeps
// what it had.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void SetText(const std::string& utf8) = 0;
    virtual std::string Text() const = 0;
};

// The Clipboard in force. Raises std::logic_error when none has been installed.
Clipboard& CurrentClipboard();
// Installs a clipboard (not owned); nullptr removes it. Returns the one replaced.
Clipboard* SetClipboard(Clipboard* clipboard);
