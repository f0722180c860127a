#include "ViewerLauncher.h"

int main(int pArgc, char** pArgv)
{
    return zel::ViewerLauncher::Run(pArgc, pArgv);
}
