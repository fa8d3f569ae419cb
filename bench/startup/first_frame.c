/* Starts a program and measures the time until its window named NAME shows a painted pixel at
 * X, Y of its client area (anything but the black of an Xvfb started with -br), then its resident
 * memory and the processor time its threads have used by that moment (less swayed by the machine's
 * load than the elapsed time); prints "milliseconds kilobytes cpu-milliseconds" and ends the program.
 *   first_frame NAME X Y PROGRAM [ARGS...] */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static Window find(Display* d, Window w, const char* name) {
    char* title = NULL;
    if (XFetchName(d, w, &title) && title) {
        int same = strcmp(title, name) == 0;
        XFree(title);
        if (same) return w;
    }
    Window root, parent, *children = NULL;
    unsigned n = 0;
    Window found = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &n)) {
        for (unsigned i = 0; i < n && !found; ++i) found = find(d, children[i], name);
        if (children) XFree(children);
    }
    return found;
}

static long rss_kb(pid_t pid) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    long kb = -1;
    while (f && fgets(line, sizeof line, f))
        if (sscanf(line, "VmRSS: %ld", &kb) == 1) break;
    if (f) fclose(f);
    return kb;
}

/* The run time of all threads of PID in milliseconds, from the scheduler's statistics. */
static double cpu_ms(pid_t pid) {
    char path[96];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* tasks = opendir(path);
    double ns = 0;
    for (struct dirent* e; tasks && (e = readdir(tasks));) {
        if (e->d_name[0] == '.') continue;
        snprintf(path, sizeof path, "/proc/%d/task/%.16s/schedstat", (int)pid, e->d_name);
        FILE* f = fopen(path, "r");
        double run = 0;
        if (f && fscanf(f, "%lf", &run) == 1) ns += run;
        if (f) fclose(f);
    }
    if (tasks) closedir(tasks);
    return ns / 1e6;
}

/* A window that goes away between the search and the look is simply looked for again. */
static int ignore_errors(Display* d, XErrorEvent* e) {
    (void)d;
    (void)e;
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 5) return 2;
    Display* d = XOpenDisplay(NULL);
    if (!d) return 1;
    XSetErrorHandler(ignore_errors);
    const int x = atoi(argv[2]), y = atoi(argv[3]);
    const double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execv(argv[4], argv + 4);
        _exit(127);
    }
    double painted = -1;
    while (now_ms() - start < 20000) {
        Window w = find(d, DefaultRootWindow(d), argv[1]);
        XWindowAttributes a;
        if (w && XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable) {
            XImage* img = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
            unsigned long pixel = img ? XGetPixel(img, 0, 0) : 0;
            if (img) XDestroyImage(img);
            if (pixel & 0xFFFFFF) {
                painted = now_ms() - start;
                break;
            }
        }
        usleep(1000);
    }
    printf("%.1f %ld %.1f\n", painted, rss_kb(pid), cpu_ms(pid));
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    XCloseDisplay(d);
    return painted < 0;
}
