#include <string>
#include <vector>

#include "app/App.hpp"

int main(int argc, char** argv) {
    return App::run(std::vector<std::string>(argv + 1, argv + argc));
}
