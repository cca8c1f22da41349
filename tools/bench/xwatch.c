/* xwatch: launches one program on the current X display and times what a
 * person would see of it, from outside the program.
 *
 * The server tells us, rather than us polling: a DAMAGE object on the root
 * window reports every rectangle any client draws, the moment the server has
 * drawn it, and SubstructureNotify on the root reports the program's window
 * being mapped (or its window manager's frame, which holds it). Each event is
 * stamped with the wall clock as it is read; the watcher sleeps in poll() in
 * between, so that stamp trails the server by well under a millisecond.
 *
 * "Painted" is the first drawing over the program's window after which the
 * window is no longer one flat colour: the server fills a window's background
 * itself on map, which is not the program showing anything. A "change" is a
 * drawing after which the window's pixels differ from before; a repaint with
 * the same pixels shows nothing new and is not a tick.
 *
 *   xwatch [-o ticks.tsv] [-s settle_s] [-p phase:seconds]... -- command [args]
 *
 * stdout, one line per event, for the calling script:
 *   pid N | mapped MS | painted MS | window 0xID WxH+X+Y
 *   phase NAME     the settling time before a phase starts (start a load now)
 *   begin NAME     the phase's first whole second starts (sample /proc now)
 *   end NAME changes=C draws=D   the phase ended
 *   error TEXT
 * ticks.tsv: "phase  second  first_ms  last_ms" for each wall-clock second of
 * each phase: when the window first and last changed after that second
 * started, or "skip" when it did not change before the next one. A clock
 * that clears and then draws, or fades its digits in, changes more than once
 * a second: the first change is when the old time went, the last when the
 * new one was complete.
 * The program is ended (SIGTERM, then SIGKILL) before xwatch exits.
 * XWATCH_TRACE=1 lists every drawing over the window on stderr;
 * XWATCH_LOG=FILE keeps the program's own output. */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <fcntl.h>
#include <math.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { MAX_PHASES = 8, MAX_CREATED = 4096 };

struct phase {
    char name[32];
    int seconds;
};

struct target {
    Window top;    /* child of the root: the program's window or its frame */
    Window client; /* the program's own window */
    int x, y, w, h; /* client area in root coordinates */
    uint64_t hash;  /* of its pixels as last seen */
};

static Display *dpy;
static Window root;
static int damage_event;
static pid_t child;
static Window created[MAX_CREATED];
static double launched; /* wall-clock time of the fork */
static int ncreated;

static double now(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

static void stop_child(void)
{
    if (child <= 0)
        return;
    kill(child, SIGTERM);
    for (int i = 0; i < 300; i++) {
        if (waitpid(child, NULL, WNOHANG) == child) {
            child = 0;
            return;
        }
        usleep(10000);
    }
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
    child = 0;
}

static void fail(const char *what)
{
    printf("error %s\n", what);
    stop_child();
    exit(1);
}

/* A window being destroyed while we look at it is normal, not fatal. */
static int ignore_x_error(Display *d, XErrorEvent *e)
{
    (void)d;
    (void)e;
    return 0;
}

static int has_wm_state(Window w)
{
    static Atom wm_state;
    if (!wm_state)
        wm_state = XInternAtom(dpy, "WM_STATE", False);
    Atom type = None;
    int format;
    unsigned long n, after;
    unsigned char *data = NULL;
    XGetWindowProperty(dpy, w, wm_state, 0, 0, False, AnyPropertyType, &type, &format, &n,
                       &after, &data);
    if (data)
        XFree(data);
    return type != None;
}

/* The window manager marks the program's own window with WM_STATE; without a
 * window manager the top-level window is the program's own. */
static Window find_client(Window w, int depth)
{
    if (has_wm_state(w))
        return w;
    if (depth > 4)
        return None;
    Window r, p, *kids = NULL;
    unsigned int n = 0;
    Window found = None;
    if (XQueryTree(dpy, w, &r, &p, &kids, &n)) {
        for (unsigned int i = 0; i < n && !found; i++)
            found = find_client(kids[i], depth + 1);
        if (kids)
            XFree(kids);
    }
    return found;
}

static int locate(struct target *t)
{
    XWindowAttributes a;
    Window unused;
    if (!XGetWindowAttributes(dpy, t->client, &a))
        return 0;
    XTranslateCoordinates(dpy, t->client, root, 0, 0, &t->x, &t->y, &unused);
    t->w = a.width;
    t->h = a.height;
    return 1;
}

/* Reads what the screen shows over the window (clipped to the screen).
 * Sets *flat when every pixel has the first pixel's value. */
static uint64_t grab(const struct target *t, int *flat)
{
    int sw = DisplayWidth(dpy, DefaultScreen(dpy)), sh = DisplayHeight(dpy, DefaultScreen(dpy));
    int x0 = t->x < 0 ? 0 : t->x, y0 = t->y < 0 ? 0 : t->y;
    int x1 = t->x + t->w > sw ? sw : t->x + t->w, y1 = t->y + t->h > sh ? sh : t->y + t->h;
    *flat = 1;
    if (x1 <= x0 || y1 <= y0)
        return 0;
    XImage *img = XGetImage(dpy, root, x0, y0, x1 - x0, y1 - y0, AllPlanes, ZPixmap);
    if (!img)
        return 0;
    uint64_t h = 1469598103934665603ull;
    int bpp = img->bits_per_pixel / 8, rowbytes = (x1 - x0) * bpp;
    const char *first = img->data;
    for (int y = 0; y < img->height; y++) {
        const unsigned char *row = (const unsigned char *)img->data + (size_t)y * img->bytes_per_line;
        for (int i = 0; i < rowbytes; i++)
            h = (h ^ row[i]) * 1099511628211ull;
        for (int i = 0; *flat && i < rowbytes; i += bpp)
            *flat = memcmp(row + i, first, bpp) == 0;
    }
    XDestroyImage(img);
    return h;
}

static int is_created(Window w)
{
    for (int i = 0; i < ncreated; i++)
        if (created[i] == w)
            return 1;
    return 0;
}

static int overlaps(const struct target *t, const XRectangle *r)
{
    return t->client && r->x < t->x + t->w && t->x < r->x + r->width && r->y < t->y + t->h &&
           t->y < r->y + r->height;
}

static void launch(char **argv)
{
    launched = now();
    child = fork();
    if (child < 0)
        fail("fork");
    if (child == 0) {
        int null = open("/dev/null", O_RDWR);
        const char *log = getenv("XWATCH_LOG");
        int out = log ? open(log, O_WRONLY | O_CREAT | O_APPEND, 0644) : null;
        dup2(null, 0);
        dup2(out < 0 ? null : out, 1);
        dup2(out < 0 ? null : out, 2);
        close(ConnectionNumber(dpy));
        execvp(argv[0], argv);
        _exit(127);
    }
    printf("pid %d\n", (int)child);
}

/* Reads every queued event. Returns when something drew over the target
 * (with *draw_at the time of the first such drawing), or by `deadline`. */
static int pump(struct target *t, double deadline, double *draw_at, int *draws)
{
    int drawn = 0;
    for (;;) {
        while (XPending(dpy)) {
            XEvent e;
            XNextEvent(dpy, &e);
            double at = now();
            if (e.type == CreateNotify && e.xcreatewindow.parent == root &&
                !e.xcreatewindow.override_redirect && ncreated < MAX_CREATED)
                created[ncreated++] = e.xcreatewindow.window;
            else if (e.type == MapNotify && !t->top && is_created(e.xmap.window)) {
                Window client = find_client(e.xmap.window, 0);
                t->top = e.xmap.window;
                t->client = client ? client : e.xmap.window;
                XSelectInput(dpy, t->client, StructureNotifyMask);
                locate(t);
                printf("mapped %.1f\n", (at - launched) * 1000);
            } else if (e.type == ConfigureNotify && t->top &&
                       (e.xconfigure.window == t->top || e.xconfigure.window == t->client))
                locate(t);
            else if (e.type == damage_event + XDamageNotify) {
                const XDamageNotifyEvent *d = (const XDamageNotifyEvent *)&e;
                if (overlaps(t, &d->area)) {
                    if (!drawn)
                        *draw_at = at;
                    drawn = 1;
                    ++*draws;
                }
            }
        }
        if (drawn)
            return 1;
        if (child > 0 && waitpid(child, NULL, WNOHANG) == child) {
            child = 0;
            fail("the program exited");
        }
        double left = deadline - now();
        if (left <= 0)
            return 0;
        struct pollfd p = {ConnectionNumber(dpy), POLLIN, 0};
        poll(&p, 1, left > 0.05 ? 50 : (int)ceil(left * 1000));
    }
}

static void usage(void)
{
    fprintf(stderr, "usage: xwatch [-o ticks.tsv] [-s settle_s] [-p phase:seconds]... -- command\n");
    exit(2);
}

int main(int argc, char **argv)
{
    struct phase phases[MAX_PHASES];
    int nphases = 0, opt;
    double settle = 3;
    const char *ticks_path = NULL;
    while ((opt = getopt(argc, argv, "o:s:p:")) != -1) {
        if (opt == 'o')
            ticks_path = optarg;
        else if (opt == 's')
            settle = atof(optarg);
        else if (opt == 'p' && nphases < MAX_PHASES &&
                 sscanf(optarg, "%31[^:]:%d", phases[nphases].name, &phases[nphases].seconds) == 2)
            nphases++;
        else
            usage();
    }
    if (optind >= argc)
        usage();
    setvbuf(stdout, NULL, _IOLBF, 0);
    int trace = getenv("XWATCH_TRACE") != NULL; /* every drawing to stderr, when looking into a result */

    dpy = XOpenDisplay(NULL);
    if (!dpy)
        fail("cannot open the display");
    XSetErrorHandler(ignore_x_error);
    root = DefaultRootWindow(dpy);
    int damage_error;
    if (!XDamageQueryExtension(dpy, &damage_event, &damage_error))
        fail("the X server has no DAMAGE extension");
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XDamageCreate(dpy, root, XDamageReportRawRectangles);
    XSync(dpy, False);

    struct target t = {0};
    double at = 0;
    int draws = 0, flat = 1;
    launch(argv + optind);
    double t0 = launched;
    /* With every core busy the watcher must not be the one kept waiting: it
     * runs ahead of normal tasks (the program, forked before, keeps the
     * normal policy). */
    struct sched_param rt = {.sched_priority = 10};
    if (sched_setscheduler(0, SCHED_FIFO, &rt) != 0)
        printf("note the watcher runs at normal priority: %s\n", strerror(errno));
    while (!t.top)
        if (!pump(&t, t0 + 60, &at, &draws) && now() > t0 + 60)
            fail("no window mapped within 60 s");
    /* Drawing may have come before we knew where the window was. */
    t.hash = grab(&t, &flat);
    at = now();
    while (flat) {
        if (!pump(&t, t0 + 60, &at, &draws))
            fail("the window stayed blank for 60 s");
        t.hash = grab(&t, &flat);
    }
    printf("painted %.1f\nwindow 0x%lx %dx%d%+d%+d\n", (at - launched) * 1000, t.client, t.w, t.h, t.x, t.y);

    FILE *ticks = ticks_path ? fopen(ticks_path, "w") : NULL;
    if (ticks_path && !ticks)
        fail("cannot write the ticks file");
    for (int p = 0; p < nphases; p++) {
        printf("phase %s\n", phases[p].name);
        double start = ceil(now() + settle), end = start + phases[p].seconds;
        double first[phases[p].seconds], last[phases[p].seconds];
        for (int s = 0; s < phases[p].seconds; s++)
            first[s] = last[s] = -1;
        int changes = 0, began = 0;
        draws = 0;
        for (;;) {
            double deadline = began ? end : start;
            int drawn = pump(&t, deadline, &at, &draws);
            if (!began && now() >= start) {
                printf("begin %s\n", phases[p].name);
                began = 1;
                draws = 0;
            }
            if (drawn) {
                uint64_t h = grab(&t, &flat);
                if (trace)
                    fprintf(stderr, "draw %.3f %s\n", fmod(at, 60), h != t.hash ? "changed" : "same");
                if (h != t.hash && at >= start && at < end) {
                    int s = (int)(at - start);
                    if (first[s] < 0)
                        first[s] = at - (start + s);
                    last[s] = at - (start + s);
                    changes++;
                }
                t.hash = h;
            }
            if (began && now() >= end)
                break;
        }
        printf("end %s changes=%d draws=%d\n", phases[p].name, changes, draws);
        for (int s = 0; ticks && s < phases[p].seconds; s++) {
            if (first[s] < 0)
                fprintf(ticks, "%s\t%d\tskip\tskip\n", phases[p].name, s);
            else
                fprintf(ticks, "%s\t%d\t%.3f\t%.3f\n", phases[p].name, s, first[s] * 1000,
                        last[s] * 1000);
        }
    }
    if (ticks)
        fclose(ticks);
    stop_child();
    return 0;
}
