[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"p.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<pUtils>
[cc.declare.value] arg_type=<ret(long)> arg_name=<count>
[cc.declare] interface_name=<Bank.Account> server_identifier=<acct>
[cc.main.begin] mainclass=<p>
[cc.set] leftarg=<count> value=< count + 1>
[cc.print] value=< "count: " + count>
[cc.try]
[cc.create.struct] split_module=<Bank> split_class=<Account> uspmodule=<Bank> javamodsep=<.> interface_name=<Bank.Account> uinterface=<Bank_Account> server_identifier=<acct> leftarg=<acct>
[cc.catch] class_name=<Bank::Account> leftarg=<acct>
[cc.main.end] mainclass=<p>
[cc.class.end]
[cc.end]
