// plotvane: the window.

#include "app/window/PlotvaneApplication.h"

int main(int argc, char** argv)
{
    TPlotvaneApplication app(argc, argv);
    return app.exec();
}
