// The program entry: hands over to the application frame.
#include "application_frame.h"

int main(int argc, char* argv[]) {
    return pairfinder::RunApplication(argc, argv);
}
