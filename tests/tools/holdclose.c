// holdclose.so, preloaded into Wine's processes: keeps a program between
// closing one file and its next step for as long as the test wants. The
// first close() of $KORDEX_HOLD_FILE (a Linux path) in any process makes the
// file $KORDEX_HOLD_MARKERS/held and waits, before closing, until
// $KORDEX_HOLD_MARKERS/go exists (at most two minutes, then it says so and
// goes on). Under Wine the handle's sharing is released by the server
// before the program's own close() of the file, so the file is then
// closed to every other program.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#define MOST_WAIT_MS 120000

static int is_held_file(int fd) {
    const char* file = getenv("KORDEX_HOLD_FILE");
    if (!file || fd < 0) return 0;
    char link[64], path[PATH_MAX];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length <= 0) return 0;
    path[length] = '\0';
    return strcmp(path, file) == 0;
}

static void marker(char* path, size_t size, const char* name) {
    snprintf(path, size, "%s/%s", getenv("KORDEX_HOLD_MARKERS"), name);
}

static void hold(void) {
    char held[PATH_MAX], go[PATH_MAX];
    marker(held, sizeof held, "held");
    marker(go, sizeof go, "go");
    // Only the first close anywhere waits.
    const int made = open(held, O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (made < 0) return;
    ((int (*)(int))dlsym(RTLD_NEXT, "close"))(made);
    const struct timespec pause = {0, 10000000};
    for (int waited = 0; access(go, F_OK) != 0; waited += 10) {
        if (waited >= MOST_WAIT_MS) {
            fprintf(stderr, "holdclose: no go-ahead in %d ms; going on\n", MOST_WAIT_MS);
            return;
        }
        nanosleep(&pause, NULL);
    }
}

int close(int fd) {
    if (getenv("KORDEX_HOLD_MARKERS") && is_held_file(fd)) hold();
    return ((int (*)(int))dlsym(RTLD_NEXT, "close"))(fd);
}
