// The program: one window thread, one connection, config.ini beside the executable.
#include "app/Application.h"
#include "app/Startup.h"

int main(int argc, char **argv)
{
    Application application(argc, argv);
    return app::run(QCoreApplication::applicationDirPath());
}
