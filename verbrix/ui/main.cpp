#include "verbrix/ui/VerbrixApp.h"

CVerbrixApp theApp;

int main(int argc, char** argv)
{
    return theApp.InitInstance(argc, argv);
}
