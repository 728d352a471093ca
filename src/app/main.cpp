#include "app/Application.h"

int main(int argc, char** argv)
{
    return tarvo::runApplication(argc, argv);
}
