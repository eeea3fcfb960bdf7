/* wait_after_close.so: preloaded (LD_PRELOAD) into the Wine processes of a
 * scenario, it holds a program right after it has closed a given file,
 * until another program says it is ready: so that, for instance, a hold on
 * the installer's temporary file surely begins before the installer tries
 * to move it.
 *
 *   KORDEX_WAIT_AFTER_CLOSE_OF  the file watched: its path, or the end of it
 *                               after a "/" (e.g. "Kordex/~KS000.tmp")
 *   KORDEX_WAIT_FOR             the Linux path of the marker to wait for
 *   KORDEX_WAIT_REACHED         optional: the Linux path of a marker that
 *                               the first close of the watched file, in
 *                               any process, makes; only that close waits
 *                               (when two programs write the same file
 *                               and one of them is to be held)
 *
 * After the real close() of a descriptor of the watched file (under Wine,
 * the wineserver has released the file's sharing by then), the caller waits
 * until the marker exists, at most kMostWaitSeconds; past that it says so
 * on stderr and ends the process, so that the test fails loudly. Each wait
 * is reported on stderr too, so that a test can see that it happened. The
 * wineserver is left alone: it opens and closes files for every process,
 * and holding it up would hold up all of them. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

enum { kMostWaitSeconds = 60 };

static int (*real_close)(int);
static const char *watched;
static const char *marker;
static const char *reached;

__attribute__((constructor)) static void start(void) {
    real_close = (int (*)(int))dlsym(RTLD_NEXT, "close");
    if (strncmp(program_invocation_short_name, "wineserver", strlen("wineserver")) == 0) return;
    watched = getenv("KORDEX_WAIT_AFTER_CLOSE_OF");
    marker = getenv("KORDEX_WAIT_FOR");
    reached = getenv("KORDEX_WAIT_REACHED");
    if (!watched || !*watched || !marker || !*marker) watched = marker = NULL;
}

/* Whether the descriptor names the watched file: its whole path, or a path
 * ending in "/" and the watched text. */
static int is_watched(int fd) {
    char link[64], path[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length <= 0) return 0;
    path[length] = '\0';
    const size_t tail = strlen(watched);
    if ((size_t)length < tail || strcmp(path + length - tail, watched) != 0) return 0;
    return (size_t)length == tail || watched[0] == '/' || path[length - tail - 1] == '/';
}

/* The program, as Wine names the process: the Windows path it started. */
static const char *program(char *name, size_t size) {
    FILE *cmdline = fopen("/proc/self/cmdline", "r");
    name[0] = '\0';
    if (cmdline) {
        if (!fgets(name, (int)size, cmdline)) name[0] = '\0';
        fclose(cmdline);
    }
    return name;
}

/* Whether this close is to wait: every one, or with KORDEX_WAIT_REACHED
 * only the first anywhere, which makes that marker. */
static int first_to_arrive(void) {
    if (!reached || !*reached) return 1;
    const int made = open(reached, O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (made < 0) return 0;
    real_close(made);
    return 1;
}

static void wait_for_marker(void) {
    char name[512];
    const struct timespec pause = {0, 1000000};
    struct timespec start, now;
    clock_gettime(CLOCK_MONOTONIC, &start);
    while (access(marker, F_OK) != 0) {
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (now.tv_sec - start.tv_sec >= kMostWaitSeconds) {
            fprintf(stderr, "wait_after_close: %s closed %s, and %s did not appear within %d s\n",
                    program(name, sizeof name), watched, marker, kMostWaitSeconds);
            _exit(70);
        }
        nanosleep(&pause, NULL);
    }
    fprintf(stderr, "wait_after_close: %s closed %s, and went on once %s appeared\n", program(name, sizeof name),
            watched, marker);
}

int close(int fd) {
    if (!real_close) real_close = (int (*)(int))dlsym(RTLD_NEXT, "close");
    const int watching = watched && is_watched(fd);
    const int result = real_close(fd);
    if (watching && first_to_arrive()) {
        const int saved = errno;
        wait_for_marker();
        errno = saved;
    }
    return result;
}
