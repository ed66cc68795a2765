// Talvoren, the desktop liturgical calendar.

#include "gui/shell/TalvorenApp.h"

using namespace talvoren;

int main(int argc, char** argv)
{
    CTalvorenApp app(argc, argv);
    if (!app.InitInstance())
        return 0;
    return app.Run();
}
