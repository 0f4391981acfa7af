#include "params/ControllerLinkSettings.h"

const char* ParityTextOf(int code) {
    return code == kParityEven  ? kParityEvenText
           : code == kParityOdd ? kParityOddText
                                : kParityNoneText;
}
