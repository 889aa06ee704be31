#include "app/App.hpp"

int main(int, char**) {
    return App::run();
}
