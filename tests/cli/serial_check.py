#!/usr/bin/env python3
"""Runs the simulator headless with its serial output on a pseudo-terminal (and its NMEA over
UDP) and checks what arrives against the run's --log.

  serial_check.py records VANTOREL BUILD WORK    NMEA, then mode 2, then mode 4; a missing port
  serial_check.py gpsd VANTOREL BUILD WORK       gpsd on the pty and on UDP, at real pace
Exit status: 0 good, 1 a failure (told on stdout), 77 a tool is missing.
"""
import bisect, csv, json, math, os, select, shutil, socket, struct, subprocess, sys, termios, time, tty

MARK = struct.pack('<f', -999.0)
M_PER_DEG = 60 * 1852.0


def fail(msg):
    print('FAIL:', msg)
    sys.exit(1)


def free_port(kind):
    s = socket.socket(socket.AF_INET, kind)
    s.bind(('127.0.0.1', 0))
    port = s.getsockname()[1]
    s.close()
    return port


def read_log(path):
    """The log's rows after the first (which holds the clocks of before the start), with the
    UTC time unwrapped at the hours as 'utc'."""
    with open(path) as f:
        rows = [{k: float(v) for k, v in r.items()} for r in csv.DictReader(f)][1:]
    if not rows:
        fail('empty log')
    hours = 0
    for a, b in zip([None] + rows, rows):
        if a and b['utc_s_of_hour'] < a['utc_s_of_hour'] - 1800:
            hours += 1
        b['utc'] = b['utc_s_of_hour'] + 3600 * hours
    return rows


def at(rows, clock, t, key):
    """The log's `key` at time `t` of column `clock`, straight between the rows either side."""
    if clock == 'utc':
        t = rows[0]['utc'] + (t - rows[0]['utc']) % 3600   # the sentences' hours are the log's
    times = [r[clock] for r in rows]
    i = bisect.bisect_left(times, t)
    if i <= 0 or i >= len(rows):
        return None
    a, b = rows[i - 1], rows[i]
    f = (t - a[clock]) / (b[clock] - a[clock]) if b[clock] > a[clock] else 0
    return a[key] + f * (b[key] - a[key])


def off_the_log(rows, t, lat, lon, kt, tol_m, tol_kt):
    """None when the fix at UTC `t` lies off the log's track by no more than the tolerances
    (or outside the log), else what is wrong."""
    want = [at(rows, 'utc', t, k) for k in ('lat', 'lon', 'gs_kt')]
    if want[0] is None:
        return None
    off = metres_apart(lat, lon, want[0], want[1])
    if off > tol_m or abs(kt - want[2]) > tol_kt:
        return 'at %.2f: %.1f m from the log, %.2f kt against %.2f' % (t, off, kt, want[2])
    return ''


def metres_apart(lat1, lon1, lat2, lon2):
    dn = (lat1 - lat2) * M_PER_DEG
    de = (lon1 - lon2) * M_PER_DEG * math.cos(math.radians(lat1))
    return math.hypot(dn, de)


def run(vantorel, build, script, seconds, extra, device=None, fixed=True, feed=None):
    """Runs the program. With feed = (master, slave, forward): the bytes the program writes to
    the pty are collected (and passed on to the master `forward` when given), and the pty's
    speeds noted as they change. Answers (collected bytes, stderr text, speeds seen)."""
    with open('run.scr', 'w') as f:
        f.write(script)
    plane = os.path.join(build, 'Aircraft', 'Trainer 172', 'Trainer 172.acf')
    args = [vantorel, '--headless', '--seconds', str(seconds), '--config-dir', 'cfg', '--data-dir', build,
            '--aircraft', plane, '--script', 'run.scr', '--log', 'log.csv'] + extra
    if fixed:
        args.append('--fixed-step')
    if device:
        args += ['--serial-device', device]
    err = open('err.txt', 'w')
    p = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=err)
    got, speeds = b'', []
    while True:
        done = p.poll() is not None
        if feed:
            speed = termios.tcgetattr(feed[1])[5]
            if not speeds or speeds[-1] != speed:
                speeds.append(speed)
            while select.select([feed[0]], [], [], 0 if done else 0.02)[0]:
                d = os.read(feed[0], 65536)
                got += d
                if feed[2] is not None:
                    os.write(feed[2], d)
                if not done:
                    break
        else:
            time.sleep(0.05)
        if done:
            break
    err.close()
    if p.returncode != 0:
        fail('the run exited %d: %s' % (p.returncode, open('err.txt').read()[-800:]))
    return got, open('err.txt').read(), speeds


def nmea_pairs(text):
    """[(utc seconds, rmc fields, gga fields)]; every checksum checked."""
    lines = [l for l in text.split('\r\n') if l]
    for l in lines:
        body, star, sum_text = l[1:].partition('*')
        if not l.startswith('$') or not star:
            fail('not a sentence: %r' % l)
        want = 0
        for c in body.encode():
            want ^= c
        if sum_text != '%02X' % want:
            fail('checksum %s, want %02X: %r' % (sum_text, want, l))
    pairs = []
    for rmc, gga in zip(lines[0::2], lines[1::2]):
        r, g = rmc.split('*')[0].split(','), gga.split('*')[0].split(',')
        if r[0] != '$GPRMC' or g[0] != '$GPGGA' or r[1] != g[1]:
            fail('not a pair of the same time: %r %r' % (rmc, gga))
        t = r[1]
        pairs.append((int(t[0:2]) * 3600 + int(t[2:4]) * 60 + float(t[4:]), r, g))
    return pairs


def angle(text, hemi, deg_digits):
    v = int(text[:deg_digits]) + float(text[deg_digits:]) / 60
    return -v if hemi in 'SW' else v


def check_pairs(pairs, rows, tolerance_m, seconds_expected):
    if abs(len(pairs) - seconds_expected) > 1:
        fail('%d sentence pairs in %g s of local time' % (len(pairs), seconds_expected))
    for (t0, _, _), (t1, _, _) in zip(pairs, pairs[1:]):
        if abs(t1 - t0 - 1.0) > 0.08:
            fail('pairs %.2f s apart' % (t1 - t0))
    compared = 0
    for t, r, g in pairs:
        lat, lon = angle(r[3], r[4], 2), angle(r[5], r[6], 3)
        if (angle(g[2], g[3], 2), angle(g[4], g[5], 3)) != (lat, lon):
            fail('RMC and GGA positions differ at %.2f' % t)
        if len(r[9]) != 6 or r[9] == '000000':
            fail('no date: %r' % r[9])
        wrong = off_the_log(rows, t, lat, lon, float(r[7]), tolerance_m, 0.3)
        if wrong:
            fail('sentence ' + wrong)
        compared += wrong is not None
    if compared < len(pairs) - 1:
        fail('only %d of %d sentences fall within the log' % (compared, len(pairs)))


def records(blob):
    """The float records of a stream that starts with the first mark: [[floats]]."""
    out, at = [], blob.find(MARK)
    while at >= 0:
        nxt = blob.find(MARK, at + 4)
        end = nxt if nxt >= 0 else len(blob)
        if (end - at) % 4:
            fail('a record of %d bytes' % (end - at))
        out.append(list(struct.unpack('<%df' % ((end - at) // 4), blob[at:end])))
        at = nxt
    return out


def between_rows(rows, values):
    """Some two rows of the log in a row hold each (key, value, rounding) between them."""
    return any(all(min(a[k], b[k]) - tol <= v <= max(a[k], b[k]) + tol for k, v, tol in values)
               for a, b in zip(rows, rows[1:]))




def open_pty():
    try:
        master, slave = os.openpty()
    except OSError as e:
        print('SKIP: no pseudo-terminals here:', e)
        sys.exit(77)
    tty.setraw(slave)
    return master, slave, os.ttyname(slave)


def check_records(vantorel, build):
    master, slave, dev = open_pty()
    # NMEA for 3 s, then the instrument records for 1 s, then the position records.
    script = 'at 0 air 3000 100\nat 0 serial 1\nat 3 serial 2\nat 4 serial 4\n'
    # At real pace, so the pty's speed can be watched while each mode lasts.
    got, _, speeds = run(vantorel, build, script, 5, [], dev, fixed=False, feed=(master, slave, None))
    rows = read_log('log.csv')
    first_mark = got.find(MARK)
    if first_mark < 0:
        fail('no records after the sentences')
    check_pairs(nmea_pairs(got[:first_mark].decode()), rows, 2.0, 3)
    if termios.B4800 not in speeds or speeds[-1] != termios.B38400:
        fail('pty speeds %r: not 4800, then 38400' % speeds)
    recs = records(got[first_mark:])
    inst = [r for r in recs if len(r) == 9]
    posn = [r for r in recs if len(r) == 10]
    if len(inst) + len(posn) != len(recs) or not inst or not posn or recs.index(posn[0]) != len(inst):
        fail('records of %r floats' % sorted({len(r) for r in recs}))
    if abs(len(inst) - 10) > 1:
        fail('%d instrument records in 1 s' % len(inst))
    if abs(len(posn) - 10) > 1:   # the last second is cut by the end of the run
        fail('%d position records in 1 s' % len(posn))
    ft = 3.28084
    for r in inst:
        if not between_rows(rows, [('ias_kt', r[1], 0.06), ('pitch_deg', r[2], 0.006), ('roll_deg', r[3], 0.006),
                                   ('hdg_deg', r[7], 0.006), ('vs_fpm', r[8], 0.06)]):
            fail('instrument record lies between no two rows of the log: %r' % r)
    for rec in posn:
        lat, lon, alt = (at(rows, 'time_s', rec[1], k) for k in ('lat', 'lon', 'alt_ft'))
        if lat is None:
            fail('position record at %.2f s, outside the log' % rec[1])
        # The record's clock may run a frame (at most 2.5 m at this speed) from the log's.
        if metres_apart(rec[6], rec[5], lat, lon) > 3 or abs(rec[8] - alt) / ft > 1:
            fail('position record at %.2f s is off the log: %r' % (rec[1], rec))

    # A missing device: told, and the flight goes on.
    run(vantorel, build, 'at 0 serial 1\n', 2, [], '/dev/no-such-serial-port')
    err = open('err.txt').read()
    if 'Serial port error:' not in err or 'No such port' not in err:
        fail('missing device not told: %s' % err[-600:])
    if read_log('log.csv')[-1]['time_s'] < 1.9:
        fail('the flight stopped after the serial error')


def gpsd_fixes():
    return [m for m in (json.loads(l) for l in open('gpsd.json') if l.startswith('{'))
            if m.get('class') == 'TPV' and m.get('mode', 0) >= 2 and 'lat' in m]


def check_fixes(fixes, rows, what):
    compared = 0
    for m in fixes:
        h, mi, sec = m['time'].split('T')[1].rstrip('Z').split(':')
        t = int(h) * 3600 + int(mi) * 60 + float(sec)
        wrong = off_the_log(rows, t, m['lat'], m['lon'], m['speed'] / 0.514444, 10, 1)
        if wrong:
            fail('%s: gpsd fix %s' % (what, wrong))
        compared += wrong is not None
    if compared < 5:   # eight seconds of flight
        fail('%s: %d of gpsd\'s %d fixes fall within the log' % (what, compared, len(fixes)))


def with_gpsd(source, body):
    port = free_port(socket.SOCK_STREAM)
    ctl = os.path.abspath('gpsd.sock')
    g = subprocess.Popen(['gpsd', '-N', '-n', '-b', '-F', ctl, '-S', str(port), source],
                         stdout=subprocess.DEVNULL, stderr=open('gpsd.err', 'w'))
    pipe = None
    try:
        for _ in range(50):   # until gpsd answers
            try:
                socket.create_connection(('127.0.0.1', port), 0.2).close()
                break
            except OSError:
                time.sleep(0.1)
        pipe = subprocess.Popen(['gpspipe', '-w', '127.0.0.1:%d' % port], stdout=open('gpsd.json', 'w'),
                                stderr=subprocess.DEVNULL)
        time.sleep(0.3)
        body()
        time.sleep(1.0)   # gpsd's last reports
    finally:
        for p in (pipe, g):
            if p:
                p.terminate()
                p.wait()


def check_gpsd(vantorel, build):
    if not shutil.which('gpsd') or not shutil.which('gpspipe'):
        print('SKIP: gpsd or gpspipe missing (Debian packages gpsd, gpsd-clients)')
        sys.exit(77)
    script = 'at 0 air 3000 100\nat 0 serial 1\n'
    # The serial side: the program writes one pty, the test passes the bytes to gpsd's.
    m1, s1, dev1 = open_pty()
    m2, s2, dev2 = open_pty()
    with_gpsd(dev2, lambda: run(vantorel, build, script, 8, [], dev1, fixed=False, feed=(m1, s1, m2)))
    check_fixes(gpsd_fixes(), read_log('log.csv'), 'pty')
    # The network side, without a serial port.
    udp = free_port(socket.SOCK_DGRAM)
    with_gpsd('udp://127.0.0.1:%d' % udp,
              lambda: run(vantorel, build, 'at 0 air 3000 100\n', 8, ['--nmea-udp', '127.0.0.1:%d' % udp], fixed=False))
    check_fixes(gpsd_fixes(), read_log('log.csv'), 'udp')


def main():
    what, vantorel, build, work = sys.argv[1], *map(os.path.abspath, sys.argv[2:5])
    os.chdir(work)
    os.makedirs('cfg', exist_ok=True)
    if not os.path.isfile(os.path.join(build, 'Aircraft', 'Trainer 172', 'Trainer 172.acf')):
        print('SKIP: no stock aircraft in', build)
        sys.exit(77)
    (check_records if what == 'records' else check_gpsd)(vantorel, build)
    print('ok')


if __name__ == '__main__':
    main()
