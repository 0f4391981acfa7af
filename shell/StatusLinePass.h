#pragma once
// A pass over many of the controller's values on the status line: the text
// from the first value on, the bar following the count. Callable from the
// device worker.

#include <functional>
#include <string>

class TransferStatus;

std::function<void(int done, int total)> StatusLinePass(TransferStatus& status,
                                                        const std::string& text);
