// Prints every text the windows' designs draw in one face, for the build to
// cut the page's fonts down to the characters they need. Built and run on
// the build machine.
//
//   designtext FACE

#include <cstdio>
#include <string>

#include "designtexts.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: designtext FACE\n", stderr);
        return 2;
    }
    const std::string text = orvanta::DesignTexts(argv[1]);
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
