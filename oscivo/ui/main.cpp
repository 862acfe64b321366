#include "oscivo/ui/OscivoApp.h"

COscivoApp theApp;

int main(int argc, char** argv)
{
    return theApp.InitInstance(argc, argv);
}
