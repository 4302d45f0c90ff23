// Debian's Apache httpd, started on loopback on a free port with a
// configuration of our own, serving a published output folder as a shared
// host does: the folder's .htaccess read as `allowOverride` says.
'use strict';

const { spawn, execFileSync } = require('node:child_process');
const fs = require('node:fs');
const net = require('node:net');
const path = require('node:path');

const Modules = '/usr/lib/apache2/modules';

function freePort() {
  return new Promise((resolve, reject) => {
    const probe = net.createServer();
    probe.once('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

function answers(port) {
  return new Promise((resolve) => {
    const socket = net.connect(port, '127.0.0.1', () => { socket.destroy(); resolve(true); });
    socket.once('error', () => resolve(false));
  });
}

function configuration(work, port, output, allowOverride) {
  const modules = ['mpm_event', 'authz_core', 'mime', 'rewrite', 'headers', 'dir']
    .map((name) => `LoadModule ${name}_module ${Modules}/mod_${name}.so`).join('\n');
  return `${modules}
ServerName 127.0.0.1
Listen 127.0.0.1:${port}
PidFile ${work}/httpd.pid
DefaultRuntimeDir ${work}
Mutex file:${work} default
ErrorLog ${work}/error.log
User www-data
Group www-data
TypesConfig /etc/mime.types
DocumentRoot "${output}"
<Directory "${output}">
  AllowOverride ${allowOverride}
  Require all granted
</Directory>
`;
}

// Starts Apache for `output`; throws when it does not answer in 20 s (the
// caller's test then fails). Apache's children run as www-data, so the
// folders above `output` must let them through.
async function startApache(work, output, allowOverride) {
  fs.mkdirSync(work, { recursive: true });
  execFileSync('chmod', ['-R', 'a+rX', output]);
  for (let folder = path.dirname(output); folder !== '/'; folder = path.dirname(folder))
    fs.chmodSync(folder, fs.statSync(folder).mode | 0o011);
  const port = await freePort();
  const conf = path.join(work, 'httpd.conf');
  fs.writeFileSync(conf, configuration(work, port, output, allowOverride));
  const apache = spawn('/usr/sbin/apache2', ['-f', conf, '-DFOREGROUND'], { stdio: ['ignore', 'ignore', 'pipe'] });
  let said = '';
  apache.stderr.on('data', (data) => { said += data; });
  const end = Date.now() + 20000;
  while (!(await answers(port))) {
    if (apache.exitCode !== null || Date.now() > end)
      throw new Error(`Apache did not start: ${said}${fs.existsSync(`${work}/error.log`) ? fs.readFileSync(`${work}/error.log`) : ''}`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  return {
    base: `http://127.0.0.1:${port}/`,
    stop: () => new Promise((resolve) => { apache.once('exit', resolve); apache.kill('SIGTERM'); }),
  };
}

module.exports = { startApache };
