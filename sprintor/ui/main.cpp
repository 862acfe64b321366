#include "sprintor/ui/SprintorApp.h"

CSprintorApp theApp;

int main(int argc, char** argv)
{
    return theApp.InitInstance(argc, argv);
}
